#include "platform/qt/window/widgets.h"

#include "platform/qt/conversions/convert.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace platform::qt {

FormWidget::FormWidget(const WindowDesign& design, Qt::WindowFlags flags)
    : QWidget(nullptr, flags) {
    setObjectName(toQString(design.name));
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void FormWidget::closeEvent(QCloseEvent* event) {
    // The window's logic decides; it hides the window itself when it unloads.
    event->ignore();
    emit closeRequested();
}

void FormWidget::keyPressEvent(QKeyEvent* event) {
    const auto key = static_cast<Qt::Key>(event->key());
    // X11 marks the keypad's keys with the keypad modifier: its Enter is Enter all the same.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) &&
        modifiers == Qt::NoModifier) {
        emit keyPressed(key);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FormWidget::contextMenuEvent(QContextMenuEvent* event) {
    // Unanswered by the control under the pointer or with the focus, the request comes up here.
    if (event->reason() == QContextMenuEvent::Mouse) {
        emit menuRequested(event->pos());
    } else {
        emit menuRequested(std::nullopt);
    }
    event->accept();
}

void LabelWidget::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LabelWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // As on Windows, where the second press is a double-click event that labels do not handle.
    pressed_ = false;
    event->accept();
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}

ShapeWidget::ShapeWidget(QWidget* parent, const ShapeDesign& shape, float widthTwips,
                         double fullScale)
    : QWidget(parent), shape_(shape), widthTwips_(widthTwips), fullScale_(fullScale) {
    // Shapes are drawn on the window: clicks go through them. Their colours come from the
    // theme watch, which colours every drawn control as the window is built.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::setColours(const QColor& outline, const QColor& back, const QColor& fill) {
    if (outline != outline_ || back != back_ || fill != fill_) {
        outline_ = outline;
        back_ = back;
        fill_ = fill;
        update();
    }
}

void ShapeWidget::paintEvent(QPaintEvent* /*event*/) {
    if (width() <= 0 || height() <= 0) {
        return;
    }
    QPainter painter(this);
    const QRect area = rect();
    if (shape_.backStyle == BackStyle::Opaque) {
        painter.fillRect(area, back_);
    }
    switch (shape_.fillStyle) {
    case FillStyle::Solid:
        painter.fillRect(area, fill_);
        break;
    case FillStyle::DownwardDiagonal:
        // Lines running downward from left to right.
        painter.fillRect(area, QBrush(fill_, Qt::FDiagPattern));
        break;
    case FillStyle::Transparent:
        break;
    }
    painter.setPen(QPen(outline_, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

LineWidget::LineWidget(QWidget* parent, const LineDesign& line, QPoint from, QPoint to)
    : QWidget(parent), penWidth_(line.widthPixels) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // A line ends before its last point, as on Windows.
    const QRect bounds =
        from.y() == to.y()
            ? QRect(std::min(from.x(), to.x()), from.y(), std::abs(to.x() - from.x()), penWidth_)
            : QRect(from, to).normalized().adjusted(0, 0, penWidth_, penWidth_);
    setGeometry(bounds);
    from_ = from - bounds.topLeft();
    to_ = to - bounds.topLeft();
}

void LineWidget::setColour(const QColor& colour) {
    if (colour != colour_) {
        colour_ = colour;
        update();
    }
}

void LineWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (from_.y() == to_.y()) {
        // Horizontal lines fill whole pixel rows, so they stay crisp at any scale.
        painter.fillRect(rect(), colour_);
        return;
    }
    painter.setPen(QPen(colour_, penWidth_, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from_, to_);
}

PictureWidget::PictureWidget(QWidget* parent, QPixmap picture)
    : QFrame(parent), picture_(std::move(picture)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(contentsRect().topLeft(), picture_);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
        painter.drawRect(contentsRect().adjusted(0, 0, -1, -1));
    }
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    QFrame::mouseReleaseEvent(event);
    emit clicked();
}

} // namespace platform::qt
