#include "about_window/frm_about_design.h"
#include "engine/excuse_engine.h"
#include "main_window/form1_design.h"
#include "qt_fixture.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The room a control's style leaves for its caption, beside the bevel or the tick box.
QRect captionArea(QWidget& widget) {
    QStyleOptionButton option;
    option.initFrom(&widget);
    if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        option.text = button->text();
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    if (auto* box = qobject_cast<QCheckBox*>(&widget)) {
        option.text = box->text();
        return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    }
    return widget.contentsRect();
}

// The siblings that lie in front of the widget, where their rectangles cover it.
std::vector<QWidget*> inFront(QWidget& widget) {
    std::vector<QWidget*> front;
    const QObjectList& stack = widget.parentWidget()->children();
    for (qsizetype i = stack.indexOf(&widget) + 1; i < stack.size(); ++i) {
        auto* sibling = qobject_cast<QWidget*>(stack[i]);
        if (sibling != nullptr && sibling->isVisible()) {
            front.push_back(sibling);
        }
    }
    return front;
}

// Why the text does not fit the control, or "" when it does. Measured with the font the control
// draws with: a control with room for one line must take the text on that line; a taller label
// wraps it at word boundaries and must hold every line. Ink that a control in front of a label
// covers is lost too; what the window's own edge cuts belongs to the design.
std::string overrun(QWidget& widget, const QString& text) {
    const QFontMetricsF metrics(widget.font(), &widget);
    const QRect area = captionArea(widget);
    std::ostringstream why;
    auto* label = qobject_cast<QLabel*>(&widget);
    const int given = std::max(1, static_cast<int>(area.height() / metrics.lineSpacing()));
    if (label == nullptr || given == 1) {
        const double needs = metrics.size(Qt::TextShowMnemonic, text).width();
        if (needs > area.width()) {
            why << "needs " << needs << " px, has " << area.width() << " px";
            return why.str();
        }
    }
    if (label == nullptr) {
        return {};
    }

    // The lines as the label lays them out.
    QTextLayout layout(text, widget.font(), &widget);
    QTextOption option;
    option.setWrapMode(given == 1 ? QTextOption::NoWrap : QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    double y = 0;
    std::vector<QTextLine> lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        line.setPosition(QPointF(0, y));
        y += line.height();
        lines.push_back(line);
    }
    layout.endLayout();
    if (static_cast<int>(lines.size()) > given) {
        why << "wraps to " << lines.size() << " lines, has " << given;
        return why.str();
    }
    for (const QTextLine& line : lines) {
        const QString part = text.mid(line.textStart(), line.textLength()).trimmed();
        if (line.naturalTextWidth() > area.width()) {
            why << "line \"" << part.toStdString() << "\" needs " << line.naturalTextWidth()
                << " px, has " << area.width() << " px";
            return why.str();
        }
        // Where the line's ink lies in the window.
        const bool centred = (label->alignment() & Qt::AlignHCenter) != 0;
        const double left =
            area.left() + (centred ? (area.width() - line.naturalTextWidth()) / 2 : 0);
        const QRectF ink = metrics.tightBoundingRect(part).translated(
            widget.x() + left, widget.y() + area.top() + line.y() + line.ascent());
        for (QWidget* front : inFront(widget)) {
            // Less than half a pixel is an antialiased edge, not a lost stroke.
            const QRectF covered = ink.intersected(QRectF(front->geometry()));
            if (covered.width() >= 0.5 && covered.height() >= 0.5) {
                why << "line \"" << part.toStdString() << "\" has " << covered.width() << " x "
                    << covered.height() << " px of ink under " << front->objectName().toStdString();
                return why.str();
            }
        }
    }
    return {};
}

class QtTextMetrics : public QtWindows {
protected:
    // A failure names the text, the control, and what the text needs against what it has.
    void expectFits(QWidget* window, const char* name, const QString& text) {
        auto* widget = child<QWidget>(window, name);
        ASSERT_NE(widget, nullptr) << name;
        const std::string why = overrun(*widget, text);
        EXPECT_EQ(why, "") << '"' << text.toStdString() << "\" in " << name << " at "
                           << widget->devicePixelRatioF() << "x";
    }

    void expectCaptionsFit(QWidget* window, const platform::WindowDesign& design) {
        ASSERT_NE(window, nullptr);
        for (const auto& control : design.controls) {
            auto* widget = child<QWidget>(window, control.name.data());
            if (auto* label = qobject_cast<QLabel*>(widget);
                label != nullptr && label->pixmap().isNull()) {
                expectFits(window, control.name.data(), label->text());
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                expectFits(window, control.name.data(), button->text());
            }
        }
    }
};

// The scale comes from QT_SCALE_FACTOR: the suite runs at 1x, 1.5x and 2x.
TEST_F(QtTextMetrics, EveryCaptionAndEveryExcuseWordFitsItsControl) {
    expectCaptionsFit(main, pretextor::form1Design());
    click(main, "Command2");
    QWidget* about = aboutWindow();
    expectCaptionsFit(about, pretextor::frmAboutDesign());

    // The caption a finished slow draw leaves on the button.
    auto* command1 = child<QPushButton>(main, "Command1");
    QTest::mouseClick(command1, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !command1->isHidden(); }, 5000));
    ASSERT_NE(command1->text(), QStringLiteral("Calculate an Excuse!"));
    expectFits(main, "Command1", command1->text());

    const std::array<const char*, 4> labels = {"ls1", "ls2", "ls3", "ls4"};
    int words = 0;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        for (const auto word : engine::wordLists()[i].words) {
            expectFits(main, labels[i], QString::fromUtf8(word.data(), qsizetype(word.size())));
            ++words;
        }
    }
    EXPECT_EQ(words, 145);
}

} // namespace
