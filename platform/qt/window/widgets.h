#pragma once

#include "platform/forms/design.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include <optional>

// The drawn controls that Qt has no widget for, and the window that hosts them all.
// What a widget tells the window's logic it tells by a signal, never by a callback of its own:
// the window connects each signal with a context object that it ends when it unloads, so a widget
// that lives on (deleted later, with input still queued for it) reaches no logic and no freed
// control.
namespace platform::qt {

// A top-level window whose close box and Enter/Esc keys are routed to the window's logic.
class FormWidget final : public QWidget {
    Q_OBJECT
public:
    FormWidget(const WindowDesign& design, Qt::WindowFlags flags);

signals:
    void closeRequested();
    void keyPressed(Qt::Key key);
    // A right-click (at a point of the window) or the menu key (no point) asks for a menu.
    void menuRequested(std::optional<QPoint> at);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

// A label that reports a click: the press and the release both inside it. The second press of a
// double-click does not count.
class LabelWidget final : public QLabel {
    Q_OBJECT
public:
    explicit LabelWidget(QWidget* parent) : QLabel(parent) {}

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

class ShapeWidget final : public QWidget {
public:
    // fullScale: the width in twips that a shape showing progress stands for, else 0.
    ShapeWidget(QWidget* parent, const ShapeDesign& shape, float widthTwips, double fullScale);

    // The width in twips as the window's logic sets it; the pixels follow from it.
    void setWidthTwips(float twips) { widthTwips_ = twips; }
    [[nodiscard]] float widthTwips() const { return widthTwips_; }
    [[nodiscard]] double progressMaximum() const { return fullScale_; }
    void setColours(const QColor& outline, const QColor& back, const QColor& fill);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ShapeDesign shape_;
    QColor outline_;
    QColor back_;
    QColor fill_;
    float widthTwips_;
    double fullScale_;
};

class LineWidget final : public QWidget {
public:
    LineWidget(QWidget* parent, const LineDesign& line, QPoint from, QPoint to);
    void setColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    int penWidth_;
    QPoint from_;
    QPoint to_;
};

// A picture box with the classic sunken border, showing its picture at its natural size.
class PictureWidget final : public QFrame {
    Q_OBJECT
public:
    PictureWidget(QWidget* parent, QPixmap picture);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace platform::qt
