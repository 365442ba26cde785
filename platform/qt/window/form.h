#pragma once

#include "platform/forms/window_base.h"
#include "platform/qt/accessibility/accessible_widgets.h"
#include "platform/qt/window/native_destroy_watch.h"
#include "platform/qt/window/placed_widgets.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::qt {

class FormWidget;
class QtToolkit;

// A window of the design, built from Qt widgets.
class QtWindow final : public WindowBase {
public:
    QtWindow(QtToolkit& toolkit, const WindowDesign& design);
    ~QtWindow() override;

    [[nodiscard]] std::string caption() const override;
    void setCaption(const std::string& caption) override;
    void announce(const std::string& text) override;
    void copyToClipboard(const std::string& text) override;

    // For tests and tools that look at the real widgets.
    [[nodiscard]] QWidget* widget() const;
    // The id of its native window, 0 while it has none.
    [[nodiscard]] WId nativeId() const;

private:
    void present(bool first) override;
    void close() override;
    void offerCopy() override;
    // The window in the order it is made: its frame, its controls, the tab order, the theme's
    // colours, and the announcer and the signals from the form to the window's logic.
    void build();
    void buildFrame();
    void buildControls();
    void setTabOrder();
    void watchTheme();
    void wire();
    void routeKey(Qt::Key key);
    // The copy menu at a point of the window (a right-click) or at its copy anchor (the menu
    // key), when the window has a copy command and the point a control that offers it.
    void showCopyMenu(std::optional<QPoint> at);

    QtToolkit& toolkit_;
    const WindowDesign& design_;
    QPointer<FormWidget> form_;
    std::optional<Announcer> announcer_;
    PlacedWidgets placed_;
    // The context of every connection from the widgets to the window's logic and its controls.
    // It ends when the window unloads, and at the latest before the controls go: the widgets
    // live on until Qt deletes them later, and the input already queued for them reaches
    // nothing.
    std::unique_ptr<QObject> connections_ = std::make_unique<QObject>();
    QPointer<QAction> copyAction_;
    QPointer<QMenu> copyMenu_;
    double dotsPerInch_ = 96.0;
};

class QtToolkit final : public Toolkit {
public:
    QtToolkit();
    ~QtToolkit() override;
    std::unique_ptr<Window> load(const WindowDesign& design) override {
        return std::make_unique<QtWindow>(*this, design);
    }

private:
    friend class QtWindow;
    // Decoded once: every window built later shares them.
    [[nodiscard]] const QIcon& picture(Picture picture) const { return pictures_.at(picture); }
    // The program ends when no window of it remains loaded.
    void windowUnloaded();
    // A native window destroyed from outside unloads its window; true when it was one of ours.
    bool nativeWindowDestroyed(WId id);

    std::map<Picture, QIcon> pictures_;
    std::vector<QtWindow*> windows_;
    NativeDestroyWatch destroyWatch_;
    int loaded_ = 0;
};

} // namespace platform::qt
