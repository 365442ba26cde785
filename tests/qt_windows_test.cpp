#include "about_window/frm_about_design.h"
#include "main_window/form1_design.h"
#include "platform/forms/colour_rule.h"
#include "qt_fixture.h"
#include "shown_colours.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Pixels at 96 dpi, worked out here from the design's twips rather than through the program.
QRect expectedPixels(const platform::TwipRect& r) {
    return {r.left / 15, r.top / 15, r.right() / 15 - r.left / 15, r.bottom() / 15 - r.top / 15};
}

class QtDesign : public QtWindows {
protected:
    // Checks geometry, text and font of every control that draws something.
    void expectBuiltAsDesigned(QWidget* window, const platform::WindowDesign& design) {
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->size(), QSize(design.clientWidth / 15, design.clientHeight / 15));
        const QObjectList stack = window->children();
        for (const auto& control : design.controls) {
            if (control.kind == platform::ControlKind::Timer ||
                control.kind == platform::ControlKind::Line) {
                continue;
            }
            SCOPED_TRACE(std::string(control.name));
            auto* widget = child<QWidget>(window, control.name.data());
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(widget->geometry(), expectedPixels(control.rect));
            const auto font = control.font.value_or(design.font);
            EXPECT_EQ(widget->font().family().toStdString(), font.family);
            EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), static_cast<double>(font.points));
            EXPECT_EQ(widget->font().bold(), font.bold);
            EXPECT_EQ(widget->font().underline(), font.underline);
            if (auto* label = qobject_cast<QLabel*>(widget);
                label != nullptr && label->pixmap().isNull()) {
                EXPECT_EQ(label->accessibleName().isEmpty() ? label->text()
                                                            : label->accessibleName(),
                          label->text());
            }
            if (!control.accessibleName.empty()) {
                EXPECT_EQ(widget->accessibleName().toStdString(), control.accessibleName);
            }
        }
        // Front to back: an earlier control of the same layer lies above a later one.
        auto depth = [&](const char* name) { return stack.indexOf(child<QWidget>(window, name)); };
        for (std::size_t i = 0; i + 1 < design.controls.size(); ++i) {
            const auto& front = design.controls[i];
            for (std::size_t j = i + 1; j < design.controls.size(); ++j) {
                const auto& back = design.controls[j];
                if (front.kind == platform::ControlKind::Timer ||
                    back.kind == platform::ControlKind::Timer ||
                    platform::isWindowed(front.kind) != platform::isWindowed(back.kind)) {
                    continue;
                }
                EXPECT_GT(depth(front.name.data()), depth(back.name.data()))
                    << front.name << " should lie in front of " << back.name;
            }
        }
    }
};

TEST_F(QtDesign, MainWindowIsBuiltToTheTwip) {
    expectBuiltAsDesigned(main, pretextor::form1Design());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("VORN: Random Pretextor"));
    EXPECT_FALSE(main->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(main->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(main->minimumSize(), main->maximumSize()) << "not resizable";
    EXPECT_EQ(child<QListWidget>(main, "List1")->count(), 54);
    EXPECT_EQ(child<QListWidget>(main, "List4")->item(4)->text(), QStringLiteral("Flag"));
    EXPECT_EQ(child<QLabel>(main, "ls3")->text(), QStringLiteral("Press"));
    EXPECT_TRUE(child<QWidget>(main, "Shape1")->isHidden());
    EXPECT_EQ(main->focusWidget(), child<QWidget>(main, "List2"));

    // The designs' Windows faces are drawn with their free substitutes.
    EXPECT_EQ(QFontInfo(child<QWidget>(main, "ls1")->font()).family(),
              QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(child<QWidget>(main, "Label1")->font()).family(),
              QStringLiteral("IPAMincho"));
    EXPECT_TRUE(
        QFontInfo(child<QWidget>(main, "Label4")->font()).family().startsWith("Blankenburg"));
}

TEST_F(QtWindows, RealClicksDrawInstantlyAndSlowly) {
    click(main, "Check1");
    auto* command1 = child<QPushButton>(main, "Command1");
    QTest::mouseClick(command1, Qt::LeftButton);
    // 0.25 * 53 = 13.25, 0.5 * 53 = 26.5 -> 26, 0.75 * 31 = 23.25, 0.6 * 4 = 2.4.
    EXPECT_EQ(child<QLabel>(main, "ls1")->text(), QStringLiteral("Multiple"));
    EXPECT_EQ(child<QLabel>(main, "ls2")->text(), QStringLiteral("Environmental"));
    EXPECT_EQ(child<QLabel>(main, "ls3")->text(), QStringLiteral("Unavailability"));
    EXPECT_EQ(child<QLabel>(main, "ls4")->text(), QStringLiteral("Warning"));

    click(main, "Check1");
    QTest::mouseClick(command1, Qt::LeftButton);
    EXPECT_TRUE(command1->isHidden());
    EXPECT_FALSE(child<QWidget>(main, "Shape2")->isHidden());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !command1->isHidden(); }, 5000));
    EXPECT_EQ(command1->text(), QStringLiteral("Need Another Excuse?"));
    EXPECT_TRUE(child<QWidget>(main, "Shape1")->isHidden());
}

TEST_F(QtDesign, AboutWindowIsBuiltToTheTwipAndItsLinksReachTheShell) {
    click(main, "Command2");
    QWidget* about = aboutWindow();
    expectBuiltAsDesigned(about, pretextor::frmAboutDesign());
    EXPECT_EQ(about->geometry().topLeft(), QPoint(2340 / 15, 1935 / 15));
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About VORN: Pretextor"));
    EXPECT_EQ(child<QLabel>(about, "lblVersion")->text(), QStringLiteral("Version 1.3.125"));
    EXPECT_EQ(child<QLabel>(about, "Label5")->cursor().shape(), Qt::UpArrowCursor);
    EXPECT_EQ(child<QLabel>(main, "Label2")->cursor().shape(), Qt::ArrowCursor);

    // The pictures are really there: the icon in both sizes, the About picture on its blue field.
    for (QWidget* window : {main, about}) {
        const auto sizes = window->windowIcon().availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
    }
    const QImage picture = child<QWidget>(about, "picIcon")->grab().toImage();
    EXPECT_EQ(picture.pixelColor(picture.width() - 4, picture.height() / 2).blue(), 255);

    click(about, "Label5");
    ASSERT_EQ(shell.requests.size(), 1U);
    EXPECT_EQ(shell.requests[0].file, "mailto:author@pretextor.example");

    QTest::keyClick(about, Qt::Key_Escape);
    EXPECT_FALSE(about->isVisible());
}

// Every label of both windows read from its pixels under themes set while they are open: its
// most common colour against the colour that stands out most from it.
TEST_F(QtWindows, EveryLabelReadsUnderEveryThemeAndTheDefaultKeepsTheDesign) {
    click(main, "Command2");
    const QPalette original = QApplication::palette();
    const auto dark = [](const QColor& text, const QColor& face) {
        return QPalette(text, face, face.lighter(), face.darker(), face.darker(130), text,
                        Qt::white, face.darker(), face);
    };
    for (const auto& [name, palette] :
         {std::pair{"default", original}, std::pair{"darker", dark("#e0e0e0", "#424245")},
          std::pair{"waves", dark("#b0c4de", "#010b2c")}}) {
        QApplication::setPalette(palette);
        QTest::qWait(20); // the changes are applied once they have all come in
        for (const auto& [window, design] :
             {std::pair{main, &pretextor::form1Design()},
              std::pair{aboutWindow(), &pretextor::frmAboutDesign()}}) {
            for (const auto& control : design->controls) {
                if (control.kind != platform::ControlKind::Label) {
                    continue;
                }
                const QImage image = child<QWidget>(window, control.name.data())
                                         ->grab()
                                         .toImage()
                                         .convertToFormat(QImage::Format_RGB32);
                const ShownColours shown =
                    shownColours({reinterpret_cast<const std::uint32_t*>(image.constBits()),
                                  static_cast<std::size_t>(image.width() * image.height())});
                SCOPED_TRACE(std::string(name) + " " + std::string(control.name));
                EXPECT_GE(shown.ratio, 4.5);
                // At the default within a hair (the text is antialiased) of the design's colour
                // or of the palette's black.
                EXPECT_TRUE(palette != original ||
                            platform::contrastRatio(shown.text, control.foreColour.value_or(0)) <
                                1.05);
            }
        }
    }
    QApplication::setPalette(original);
}

} // namespace

namespace {

// Run once as it is and once more under QT_SCALE_FACTOR=2: the window scales as a whole.
TEST_F(QtWindows, ScalesAsAWholeAndKeepsLinesCrisp) {
    const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                             ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                             : 1.0;
    ASSERT_DOUBLE_EQ(main->devicePixelRatioF(), scale);
    const QImage image = main->grab().toImage();
    EXPECT_EQ(image.size(), QSize(qRound(514 * scale), qRound(342 * scale)));
    for (const auto* name : {"Command1", "List1", "List4", "ls3", "Label2", "Check1"}) {
        const auto& design = platform::findControl(pretextor::form1Design(), name).rect;
        const QRect device(child<QWidget>(main, name)->geometry().topLeft() * scale,
                           child<QWidget>(main, name)->size() * scale);
        EXPECT_EQ(device,
                  QRect(qRound(design.left * scale / 15), qRound(design.top * scale / 15),
                        qRound(design.width * scale / 15), qRound(design.height * scale / 15)))
            << name;
    }
    // Line3 at 1920 twips: exactly its scaled rows are dark, the rows around it are not.
    const int top = qRound(128 * scale);
    const int rows = qRound(scale);
    for (int y = top - 1; y <= top + rows; ++y) {
        const bool inside = y >= top && y < top + rows;
        EXPECT_EQ(qGray(image.pixel(qRound(300 * scale), y)) < 64, inside) << "row " << y;
    }
}

} // namespace
