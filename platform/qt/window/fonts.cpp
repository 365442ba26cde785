#include "platform/qt/window/fonts.h"

#include "platform/forms/font_stand_ins.h"
#include "platform/forms/text_fit.h"
#include "platform/qt/conversions/convert.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFont>
#include <QFontMetricsF>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>
#include <memory>

namespace platform::qt {

namespace {

class MetricsMeasure final : public TextMeasure {
public:
    // On the device the text is drawn on, whose resolution hinting depends on.
    MetricsMeasure(const QFont& font, QPaintDevice* device) : metrics_(font, device) {}

    [[nodiscard]] int width(std::string_view text) const override {
        // Where a last letter's ink runs past its advance, the ink counts, twice over: a centred
        // text is placed by its advance, so the overhang is all on the right.
        const QString shown = toQString(text);
        const qreal advance = metrics_.horizontalAdvance(shown);
        const qreal overhang = std::max(0.0, metrics_.tightBoundingRect(shown).right() - advance);
        return static_cast<int>(std::ceil(advance + 2 * overhang));
    }
    [[nodiscard]] int lineHeight() const override {
        return static_cast<int>(std::ceil(metrics_.height()));
    }
    [[nodiscard]] int leading() const override {
        // Above the tallest letters the designs' plain texts have.
        const qreal above = metrics_.ascent() + metrics_.tightBoundingRect("bdfhklABC").top();
        return std::max(0, static_cast<int>(above));
    }

private:
    QFontMetricsF metrics_;
};

// Where the widget draws its text, in the window: beside a button's bevel or a tick box, and
// inside a list's frame, scroll bar and item margins.
TextRoom roomOf(const WindowDesign& window, const ControlDesign& control, QWidget& widget,
                double dotsPerInch) {
    TextRoom room = roomFor(window, control, dotsPerInch);
    QRect area = widget.contentsRect();
    QStyleOptionButton option;
    option.initFrom(&widget);
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        option.text = button->text();
        const bool box = qobject_cast<QCheckBox*>(&widget) != nullptr;
        area = widget.style()->subElementRect(
            box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, &widget);
    } else if (qobject_cast<QListWidget*>(&widget) != nullptr) {
        const int margin = widget.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        const int scrollBar = widget.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        area.adjust(margin, 0, -margin - scrollBar, 0);
    }
    area.translate(widget.pos());
    room.area = {area.left(), area.top(), area.right() + 1, area.bottom() + 1};
    // Qt draws at fractions of a pixel: any overlap is lost ink.
    room.edge = 0;
    return room;
}

} // namespace

QFont toQFont(const FontDesign& design) {
    // The design's own family name; substitutes for faces the machine lacks are installed once
    // at start, so the font keeps the name it was designed with.
    QFont font(toQString(design.family));
    font.setPointSizeF(static_cast<qreal>(design.points));
    font.setWeight(design.bold ? QFont::Bold : QFont::Normal);
    font.setUnderline(design.underline);
    font.setItalic(false);
    font.setStrikeOut(false);
    font.setStretch(substituteStretch(design));
    // The designs' texts are plain ASCII, which every face has: no per-glyph fallback search.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

void installFontSubstitutes() {
    for (const DesignFace& design : designFaces()) {
        QStringList faces;
        for (const FaceStandIn& standIn : design.standIns) {
            if (standIn.lookedForOn(FaceSystems::freeDesktop)) {
                faces.append(toQString(standIn.face));
            }
        }
        QFont::insertSubstitutions(toQString(design.family), faces);
    }
}

int substituteStretch(const FontDesign& font) {
    // Qt draws a family at one stretch, whichever substitute it finds: that of the face it looks
    // for first.
    for (const FaceStandIn& standIn : standInsFor(font.family)) {
        if (standIn.lookedForOn(FaceSystems::freeDesktop)) {
            const int percent = standInWidthPercent(standIn.width, font);
            return percent == 100 ? QFont::Unstretched : percent;
        }
    }
    return QFont::Unstretched;
}

void setFittingFonts(const WindowDesign& window, const PlacedWidgets& placed, double dotsPerInch) {
    std::vector<const ControlDesign*> designs;
    for (const PlacedWidget& each : placed) {
        designs.push_back(each.control);
    }
    for (const auto& [design, users] : fontUsers(window, designs)) {
        std::vector<FitCase> cases;
        for (const std::size_t user : users) {
            const auto& [control, widget] = placed[user];
            if (const auto texts = textsToFit(*control); !texts.empty()) {
                cases.push_back({roomOf(window, *control, *widget, dotsPerInch), texts});
            }
        }
        QFont font = toQFont(design);
        const int from = font.stretch() == QFont::Unstretched ? 100 : font.stretch();
        const int stretch = fittingStretch(from, cases, [&](int percent) {
            QFont narrower = font;
            narrower.setStretch(percent);
            return std::make_unique<MetricsMeasure>(narrower, placed[users.front()].widget);
        });
        if (stretch != from) {
            font.setStretch(stretch);
        }
        for (const std::size_t user : users) {
            placed[user].widget->setFont(font);
        }
    }
}

} // namespace platform::qt
