#include "platform/qt/window/control_builders.h"

#include "platform/qt/accessibility/accessible_widgets.h"
#include "platform/qt/window/controls.h"
#include "platform/qt/window/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

namespace platform::qt {

namespace {

Built commandButton(const ControlDesign& control, const BuildContext& context) {
    auto* button = new QPushButton(toQString(control.text), &context.form);
    button->setAutoDefault(false);
    // Drawn with the default frame; Enter reaches it through the window's key routing.
    button->setDefault(control.defaultButton);
    return {button, std::make_unique<QtCommandButton>(button, context.connections)};
}

Built checkBox(const ControlDesign& control, const BuildContext& context) {
    auto* box = new QCheckBox(toQString(control.text), &context.form);
    return {box, std::make_unique<QtCheckBox>(box, context.connections)};
}

Built label(const ControlDesign& control, const BuildContext& context) {
    auto* label = new LabelWidget(&context.form);
    label->setTextFormat(Qt::PlainText);
    label->setText(toQString(control.text));
    label->setWordWrap(true);
    label->setAlignment(
        Qt::AlignTop | (control.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft));
    label->setAutoFillBackground(true);
    if (isLink(control)) {
        makeLink(label);
    }
    if (control.pointer == MousePointer::UpArrow) {
        label->setCursor(Qt::UpArrowCursor);
    }
    return {label, std::make_unique<QtLabel>(label, context.connections)};
}

Built listBox(const ControlDesign& /*control*/, const BuildContext& context) {
    auto* list = new QListWidget(&context.form);
    list->setSortingEnabled(false);
    list->setUniformItemSizes(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return {list, std::make_unique<QtListBox>(list)};
}

Built shape(const ControlDesign& control, const BuildContext& context) {
    const double fullScale = isProgressBar(control) ? progressScale(context.window, control) : 0.0;
    auto* shape = new ShapeWidget(&context.form, control.shape,
                                  static_cast<float>(control.rect.width), fullScale);
    return {shape,
            std::make_unique<QtShape>(shape, control.rect.left, context.mapper.dotsPerInch())};
}

Built line(const ControlDesign& control, const BuildContext& context) {
    const PixelMapper& mapper = context.mapper;
    auto* line = new LineWidget(
        &context.form, control.line,
        QPoint(mapper.pixels(control.line.from.x), mapper.pixels(control.line.from.y)),
        QPoint(mapper.pixels(control.line.to.x), mapper.pixels(control.line.to.y)));
    line->setObjectName(toQString(control.name));
    line->raise();
    return {line, std::make_unique<QtLine>(line), false};
}

Built pictureBox(const ControlDesign& control, const BuildContext& context) {
    const qreal ratio = qApp->devicePixelRatio();
    auto* picture = new PictureWidget(
        &context.form, context.picture(control.picture).pixmap(QSize(32, 32), ratio));
    return {picture, std::make_unique<QtPictureBox>(picture)};
}

} // namespace

Built buildControl(const ControlDesign& control, const BuildContext& context) {
    switch (control.kind) {
    case ControlKind::CommandButton:
        return commandButton(control, context);
    case ControlKind::CheckBox:
        return checkBox(control, context);
    case ControlKind::Label:
        return label(control, context);
    case ControlKind::ListBox:
        return listBox(control, context);
    case ControlKind::Shape:
        return shape(control, context);
    case ControlKind::Line:
        return line(control, context);
    case ControlKind::PictureBox:
        return pictureBox(control, context);
    case ControlKind::Timer:
        break;
    }
    return {};
}

} // namespace platform::qt
