#pragma once

#include "platform/design.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include <functional>

// The drawn controls that Qt has no widget for, and the window that hosts them all.
namespace platform::qt {

// A top-level window whose close box and Enter/Esc keys are routed to the window's logic.
class FormWidget final : public QWidget {
public:
    FormWidget(const WindowDesign& design, Qt::WindowFlags flags);

    std::function<void()> closeRequested;
    std::function<void(Qt::Key)> keyPressed;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A label that reports a click: the press and the release both inside it. The second press of a
// double-click does not count.
class LabelWidget final : public QLabel {
public:
    explicit LabelWidget(QWidget* parent) : QLabel(parent) {}
    std::function<void()> clicked;

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ShapeDesign shape_;
    float widthTwips_;
    double fullScale_;
};

class LineWidget final : public QWidget {
public:
    LineWidget(QWidget* parent, const LineDesign& line, QPoint from, QPoint to);

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
public:
    PictureWidget(QWidget* parent, QPixmap picture);
    std::function<void()> clicked;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace platform::qt
