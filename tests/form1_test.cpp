#include "form1_fixture.h"

#include "links/module1.h"

#include <variant>

namespace {

using platform::fake::FakeCheckBox;
using platform::fake::FakeCommandButton;
using platform::fake::FakeListBox;
using platform::fake::FakeShape;
using platform::fake::ScriptedRandom;

// The bar's width after each tick of an undisturbed run, ticks 1 to 22.
const std::vector<float> runWidths = {1,   2,   3,   4,   6,   9,   14,   21,   32,   48,   72,
                                      108, 162, 243, 364, 546, 819, 1228, 1842, 2763, 4144, 6216};

using Form1Start = Form1Fixture;

TEST_F(Form1Start, ShowsTheDesignWithFilledListsAndNoExcuse) {
    EXPECT_TRUE(window->shown());
    EXPECT_EQ(window->caption(), "VORN: Random Pretextor");
    EXPECT_EQ(excuse(), (std::vector<std::string>{"Press", "Button", "Press", "Button"}));
    EXPECT_EQ(control<FakeCommandButton>("Command1").caption(), "Calculate an Excuse!");
    EXPECT_EQ(control<FakeCheckBox>("Check1").value(), 0);
    EXPECT_FALSE(barView());
    EXPECT_FALSE(control<FakeShape>("Shape1").visible());
    EXPECT_FALSE(control<FakeShape>("Shape2").visible());
    EXPECT_FALSE(timerRunning());
    EXPECT_EQ(form.barStep(), 15);
    EXPECT_EQ(window->focused(), "List2");

    struct Filled {
        std::string_view list;
        std::size_t count;
        std::string first;
        std::string last;
    };
    for (const Filled& f : std::vector<Filled>{{"List1", 54, "Temporary", "Non - Serious"},
                                               {"List2", 54, "Array", "Handler"},
                                               {"List3", 32, "Interruption", "Lockout"},
                                               {"List4", 5, "Error", "Flag"}}) {
        const auto& items = control<FakeListBox>(f.list).items();
        ASSERT_EQ(items.size(), f.count) << f.list;
        EXPECT_EQ(items.front(), f.first);
        EXPECT_EQ(items.back(), f.last);
    }
}

TEST_F(Form1Start, TabVisitsTheFocusableControlsInDesignOrder) {
    std::vector<std::string> visited;
    for (int i = 0; i < 8; ++i) {
        window->pressTab();
        visited.push_back(window->focused());
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"List3", "List4", "List1", "Command1", "Command2",
                                                 "Command3", "Check1", "List2"}));
}

using InstantDraw = Form1Fixture;

TEST_F(InstantDraw, FastRefreshAndTitleDrawAtOnceFromTheScriptedNumbers) {
    // p = r * factor: 0.5 * 53 = 26.5 -> 26, 8.2/53 -> 8, 0.99 * 31 -> 31, 0.6 * 4 = 2.4 -> 2.
    random.script({0.5F, 8.2F / 53.0F, 0.99F, 0.6F});
    tickFastRefresh();
    window->click("Command1");
    EXPECT_EQ(excuse(), (std::vector<std::string>{"Minor", "Subsystem", "Lockout", "Warning"}));
    EXPECT_EQ(form.barStep(), 2);
    EXPECT_EQ(form.pickedWord(), "Warning");
    EXPECT_EQ(control<FakeCommandButton>("Command1").caption(), "Calculate an Excuse!");
    EXPECT_FALSE(timerRunning());
    // The first reseed takes the step left by Form_Load, the second the clock.
    ASSERT_EQ(random.seeds.size(), 2U);
    EXPECT_EQ(std::get<std::int16_t>(random.seeds[0]), 15);
    EXPECT_EQ(std::get<float>(random.seeds[1]), clock.secondsSinceMidnight());

    random.script({0.0F, 0.0F, 0.0F, 0.0F});
    window->click("Label1");
    EXPECT_EQ(excuse(), (std::vector<std::string>{"Temporary", "Array", "Interruption", "Error"}));
    EXPECT_EQ(std::get<std::int16_t>(random.seeds[2]), 2) << "reseeded from the last index";
    EXPECT_EQ(form.barStep(), 0);
}

TEST_F(InstantDraw, ClicksWithoutHandlersChangeNothing) {
    for (const auto name : {"Label4", "ls1", "ls2", "ls3", "ls4", "List1", "List2", "List3",
                            "List4", "Line1", "Line2", "Line3", "Shape1", "Shape2"}) {
        window->click(name);
    }
    EXPECT_EQ(excuse(), (std::vector<std::string>{"Press", "Button", "Press", "Button"}));
    EXPECT_EQ(random.draws, 0);
    EXPECT_TRUE(shell.requests.empty());
    EXPECT_FALSE(timerRunning());
}

TEST_F(InstantDraw, LinkLabelOpensTheStoriesPageEachTime) {
    window->click("Label2");
    window->click("Label2");
    ASSERT_EQ(shell.requests.size(), 2U);
    for (const auto& request : shell.requests) {
        EXPECT_EQ(request.file, pretextor::Module1::StoriesPageUrl);
        EXPECT_EQ(request.directory, "C:\\");
        EXPECT_EQ(request.showCommand, 1);
        EXPECT_FALSE(request.verb || request.parameters);
        EXPECT_EQ(request.owner, 0);
    }
    EXPECT_EQ(random.draws, 0);
}

TEST_F(InstantDraw, CopyTakesTheShownExcuseByKeyOrByTheExcuseLabelsMenuOnly) {
    window->pressCopy();
    EXPECT_FALSE(window->copyFromMenu("ls3")) << "\"Copy\" is greyed before the first draw";
    EXPECT_FALSE(window->clipboard()) << "no excuse before the first draw";
    random.script({0.5F, 8.2F / 53.0F, 0.99F, 0.6F});
    window->click("Label1");
    for (const auto name : {"List1", "Command1", "Label1", "Label2", "Label4"}) {
        EXPECT_FALSE(window->copyFromMenu(name)) << name;
    }
    EXPECT_FALSE(window->clipboard());
    EXPECT_TRUE(window->copyFromMenu("ls3"));
    EXPECT_EQ(window->clipboard(), "Minor Subsystem Lockout Warning");

    // During a slow draw the excuse still shown is the one copied, and the run keeps its pace.
    window->click("Command1");
    tick();
    window->pressCopy();
    EXPECT_EQ(window->clipboard(), "Minor Subsystem Lockout Warning");
    EXPECT_EQ(barWidth(), 1.0F);
    EXPECT_EQ(random.draws, 4);
}

using SlowDraw = Form1Fixture;

TEST_F(SlowDraw, UndisturbedRunsGrowTheBarByHalvesAndEndAtTheTwentyThirdTick) {
    random.script({0.1F, 0.2F, 0.3F, 0.9F});
    for (int run = 0; run < 2; ++run) {
        window->click("Command1");
        ASSERT_TRUE(barView());
        EXPECT_TRUE(control<FakeShape>("Shape1").visible());
        EXPECT_TRUE(control<FakeShape>("Shape2").visible());
        EXPECT_TRUE(timerRunning());
        EXPECT_EQ(barWidth(), 15.0F);
        EXPECT_EQ(form.barStep(), 1);

        std::vector<float> widths;
        while (timerRunning() && widths.size() < 40) {
            tick();
            if (barView()) {
                widths.push_back(barWidth());
            }
        }
        EXPECT_EQ(widths, runWidths) << "run " << run + 1;
        EXPECT_EQ(random.draws, 4 * (run + 1)) << "one excuse per run, drawn at its end";

        EXPECT_FALSE(barView());
        EXPECT_FALSE(control<FakeShape>("Shape1").visible());
        EXPECT_FALSE(control<FakeShape>("Shape2").visible());
        EXPECT_EQ(control<FakeCommandButton>("Command1").caption(), "Need Another Excuse?");
        EXPECT_EQ(excuse(),
                  (std::vector<std::string>{"Multiplexed", "Integrity", "Interrupt", "Flag"}));
        // The ending tick goes on with the index left by the draw: 4 wide, then 4 * 1.5.
        EXPECT_EQ(barWidth(), 4.0F);
        EXPECT_EQ(form.barStep(), 6);
        EXPECT_EQ(std::get<std::int16_t>(random.seeds[random.seeds.size() - 2]), 15);
    }
}

TEST_F(SlowDraw, TitleClickDuringARunDrawsAndRegrowsFromTheDrawnIndex) {
    struct Case {
        float report;            // the random number of the List4 draw
        std::int16_t index;      // the index it gives
        std::vector<float> next; // the widths of the following ticks
    };
    for (const Case& c : std::vector<Case>{
             {0.3F, 1, {1, 2, 3, 4, 6}},
             {0.8F, 3, {3, 4, 6, 9}},
             {0.9F, 4, {4, 6, 9, 14}},
             // Index 0 would leave the bar empty forever; it starts again from 1.
             {0.0F, 0, {1, 2, 3, 4, 6}},
         }) {
        SCOPED_TRACE(c.index);
        window->click("Command1");
        for (int t = 0; t < 10; ++t) {
            tick();
        }
        ASSERT_EQ(barWidth(), 48.0F);
        random.script({0.5F, 0.5F, 0.5F, c.report});
        window->click("Label1");
        EXPECT_EQ(form.barStep(), c.index);
        EXPECT_EQ(caption("ls1"), "Minor") << "the excuse shows at once";
        EXPECT_EQ(barWidth(), 48.0F) << "the click leaves the bar alone";
        for (const float width : c.next) {
            tick();
            EXPECT_EQ(barWidth(), width);
        }
        int ticks = static_cast<int>(c.next.size());
        while (timerRunning()) {
            tick();
            ++ticks;
        }
        EXPECT_LE(ticks, 23) << "the run ends by itself";
        EXPECT_FALSE(barView());
    }
}

TEST_F(SlowDraw, AnEqualWidthDoesNotEndTheRunButAWiderOneDoes) {
    window->click("Command1");
    control<FakeShape>("Shape1").setWidth(5055.0F);
    tick();
    EXPECT_TRUE(barView());
    control<FakeShape>("Shape1").setWidth(5055.5F);
    tick();
    EXPECT_FALSE(barView());
    EXPECT_FALSE(timerRunning());
}

TEST_F(SlowDraw, QuitDuringARunStopsTheTicksWithoutDrawing) {
    window->click("Command1");
    for (int t = 0; t < 5; ++t) {
        tick();
    }
    window->click("Command3");
    EXPECT_FALSE(timerRunning());
    EXPECT_FALSE(window->loaded());
    EXPECT_TRUE(toolkit.programEnded());
    for (int t = 0; t < 30; ++t) {
        tick();
    }
    EXPECT_EQ(random.draws, 0);
    EXPECT_EQ(control<FakeCommandButton>("Command1").caption(), "Calculate an Excuse!");
}

TEST_F(SlowDraw, TheCloseBoxTakesThePathOfQuit) {
    window->click("Command1");
    tick();
    window->closeBox();
    EXPECT_FALSE(timerRunning());
    EXPECT_TRUE(toolkit.programEnded());
}

} // namespace
