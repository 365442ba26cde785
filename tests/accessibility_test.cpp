#include "links/module1.h"
#include "qt_fixture.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<std::pair<QAccessible::Event, QString>> events;

void recordEvent(QAccessibleEvent* event) {
    events.emplace_back(event->type(),
                        event->object() != nullptr ? event->object()->objectName() : QString());
}

class Accessibility : public QtWindows {
protected:
    Accessibility() {
        QAccessible::installUpdateHandler(recordEvent);
        if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) {
            // Qt joins the accessibility bus from its event loop, shortly after start.
            (void)QTest::qWaitFor([] { return QAccessible::isActive(); }, 3000);
        }
        events.clear();
    }
    ~Accessibility() override { QAccessible::installUpdateHandler(nullptr); }

    // Role and name of every direct child the window exposes, by object name.
    std::map<QString, std::pair<QAccessible::Role, QString>> tree(QWidget* window) {
        std::map<QString, std::pair<QAccessible::Role, QString>> nodes;
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
        for (int i = 0; i < root->childCount(); ++i) {
            QAccessibleInterface* node = root->child(i);
            nodes[node->object()->objectName()] = {node->role(), node->text(QAccessible::Name)};
        }
        return nodes;
    }

    // Every button, check box and link offers its press or toggle exactly while the user could
    // click it: a screen reader must not offer to press what is not there.
    static void expectActionsOnlyOnClickableControls(QWidget* window, const char* when) {
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
        for (int i = 0; i < root->childCount(); ++i) {
            QAccessibleInterface* node = root->child(i);
            if (node->role() != QAccessible::Button && node->role() != QAccessible::CheckBox &&
                node->role() != QAccessible::Link) {
                continue;
            }
            const auto* widget = static_cast<const QWidget*>(node->object());
            const QStringList actions = node->actionInterface()->actionNames();
            const bool offered = actions.contains(QAccessibleActionInterface::pressAction()) ||
                                 actions.contains(QAccessibleActionInterface::toggleAction());
            EXPECT_EQ(offered, !widget->isHidden() && widget->isEnabled())
                << widget->objectName().toStdString() << ' ' << when;
        }
    }
};

TEST_F(Accessibility, EveryControlHasARoleAndAName) {
    const auto nodes = tree(main);
    struct Expected {
        QString object;
        QAccessible::Role role;
        QString name;
    };
    for (const Expected& e : std::vector<Expected>{
             {"Command1", QAccessible::Button, "Calculate an Excuse!"},
             {"Command2", QAccessible::Button, "About"},
             {"Command3", QAccessible::Button, "Quit"},
             {"Check1", QAccessible::CheckBox, "Fast Refesh"},
             {"List1", QAccessible::List, "Qualifiers"},
             {"List2", QAccessible::List, "System parts"},
             {"List3", QAccessible::List, "Faults"},
             {"List4", QAccessible::List, "Reports"},
             {"Label1", QAccessible::StaticText, "Random Pretextor"},
             {"Label2", QAccessible::Link, "Visit the Original VORN Website"},
             {"ls1", QAccessible::StaticText, "Press"},
             {"ls4", QAccessible::StaticText, "Button"},
             {"Shape1", QAccessible::ProgressBar, "Progress"},
         }) {
        ASSERT_TRUE(nodes.contains(e.object)) << e.object.toStdString();
        EXPECT_EQ(nodes.at(e.object).first, e.role) << e.object.toStdString();
        EXPECT_EQ(nodes.at(e.object).second, e.name) << e.object.toStdString();
    }
    // The lists offer their words as items.
    QAccessibleInterface* reports =
        QAccessible::queryAccessibleInterface(child<QWidget>(main, "List4"));
    std::vector<QString> items;
    for (int i = 0; i < reports->childCount(); ++i) {
        items.push_back(reports->child(i)->text(QAccessible::Name));
    }
    EXPECT_EQ(items, (std::vector<QString>{"Error", "Problem", "Warning", "Signal", "Flag"}));
}

TEST_F(Accessibility, NamesAndTheProgressValueFollowTheWindow) {
    click(main, "Check1");
    click(main, "Command1");
    EXPECT_EQ(tree(main).at("ls1").second, "Multiple") << "a label is named by its current text";

    click(main, "Check1");
    auto* quit = child<QPushButton>(main, "Command3");
    quit->setEnabled(false);
    expectActionsOnlyOnClickableControls(main, "while idle, Quit disabled");
    quit->setEnabled(true);
    auto* bar = child<QWidget>(main, "Shape1");
    QAccessibleInterface* progress = QAccessible::queryAccessibleInterface(bar);
    ASSERT_NE(progress->valueInterface(), nullptr);
    EXPECT_TRUE(progress->state().invisible) << "no progress indicator while idle";
    auto* button = child<QPushButton>(main, "Command1");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(progress->state().invisible) << "shown while the run is in progress";
    ASSERT_TRUE(button->isHidden());
    expectActionsOnlyOnClickableControls(main, "during a run");
    EXPECT_EQ(progress->valueInterface()->maximumValue().toDouble(), 5055.0);
    EXPECT_EQ(progress->valueInterface()->currentValue().toDouble(), 15.0);
    double last = 0;
    int rises = 0;
    while (button->isHidden() && rises < 40) {
        QTest::qWait(1);
        const double value = progress->valueInterface()->currentValue().toDouble();
        rises += value > last ? 1 : 0;
        last = std::max(last, value);
    }
    EXPECT_GE(rises, 5) << "the value grows with the bar";
    EXPECT_EQ(last, 5055.0) << "the value stops at the full scale when the bar overruns it";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !button->isHidden(); }, 5000));
    EXPECT_TRUE(progress->state().invisible) << "hidden again when the run is over";
    expectActionsOnlyOnClickableControls(main, "after a run");
}

TEST_F(Accessibility, ButtonsAndLinksArePressedLikeAClick) {
    auto* fast = child<QCheckBox>(main, "Check1");
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(fast);
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(fast->isChecked());
    EXPECT_TRUE(box->state().checked);
    QAccessible::queryAccessibleInterface(child<QWidget>(main, "Command2"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([&] { return aboutWindow() != nullptr; }));
    QWidget* about = aboutWindow();
    const auto aboutTree = tree(about);
    EXPECT_EQ(aboutTree.at("cmdSysInfo").second, "System Info...") << "no mnemonic marker";
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(child<QWidget>(about, "cmdOK"))
                    ->state()
                    .defaultButton);
    for (const char* name : {"Label1", "Label3", "Label4", "Label5"}) {
        EXPECT_EQ(aboutTree.at(name).first, QAccessible::Link) << name;
        EXPECT_EQ(aboutTree.at(name).second, child<QLabel>(about, name)->text()) << name;
    }
    EXPECT_EQ(aboutTree.at("lblDescription").first, QAccessible::StaticText);

    const auto press = [](QWidget* label) {
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(label);
        EXPECT_TRUE(link->state().linked);
        ASSERT_EQ(link->actionInterface()->actionNames(),
                  QStringList{QAccessibleActionInterface::pressAction()});
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    press(child<QWidget>(main, "Label2"));
    press(child<QWidget>(about, "Label5"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return shell.requests.size() == 2; }, 1000));
    EXPECT_EQ(shell.requests[0].file, pretextor::Module1::StoriesPageUrl);
    EXPECT_EQ(shell.requests[1].file,
              "mailto:" + std::string(pretextor::Module1::AuthorMailAddress));
}

// Qt sends change events only while its accessibility bridge is on, as under a screen reader;
// CTest runs this once more through with_accessibility_bus.sh, which switches it on.
TEST_F(Accessibility, NewExcusesAndProgressAreAnnouncedToAScreenReader) {
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) {
        GTEST_SKIP() << "needs an accessibility bus";
    }
    ASSERT_TRUE(QAccessible::isActive()) << "Qt did not join the accessibility bus";
    click(main, "Check1");
    events.clear();
    click(main, "Command1");
    std::set<QString> renamed;
    for (const auto& [type, object] : events) {
        if (type == QAccessible::NameChanged) {
            renamed.insert(object);
        }
    }
    EXPECT_EQ(renamed, (std::set<QString>{"ls1", "ls2", "ls3", "ls4"}));

    click(main, "Check1");
    events.clear();
    auto* button = child<QPushButton>(main, "Command1");
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !button->isHidden(); }, 5000));
    int valueChanges = 0;
    for (const auto& [type, object] : events) {
        valueChanges += type == QAccessible::ValueChanged && object == "Shape1" ? 1 : 0;
    }
    EXPECT_GE(valueChanges, 22) << "every tick's width is announced";
}

} // namespace
