#include "form1_fixture.h"

#include "engine/excuse_engine.h"
#include "platform/runtime/mixing_random.h"

#include <algorithm>
#include <random>
#include <tuple>

namespace {

using platform::fake::FakeShape;

// Thousands of user events and ticks in random order; after each, the window must be in one of
// its two views, with the timer running exactly in the bar view and every run bounded, and every
// new excuse must have been handed to a screen reader once, as the words shown. Clicks also come
// in pairs, as two queued at once, and while a modal box blocks the window, when they must change
// nothing.
TEST_F(Form1Fixture, RandomEventSequencesKeepTheWindowConsistent) {
    const std::vector<std::string> clickable = {
        "Command1", "Command1", "Command1", "Label1", "Check1", "Label4", "ls1",
        "ls2",      "ls3",      "ls4",      "List1",  "List2",  "List3",  "List4",
        "Shape1",   "Shape2",   "Line1",    "twice",  "twice",  "modal"};
    const auto state = [&] {
        return std::tuple{excuse(), barView(), timerRunning(), form.barStep(),
                          control<platform::fake::FakeCheckBox>("Check1").value()};
    };
    bool blocked = false;
    const auto& lists = engine::wordLists();
    std::mt19937 events(20261207);
    platform::MixingRandom numbers;
    int ticksSinceRunChange = 0;

    for (int step = 0; step < 20000; ++step) {
        // Mostly ticks, as in a real run; now and then a click somewhere.
        std::vector<float> draws(4);
        std::ranges::generate(draws, [&] { return numbers.next(); });
        random.script(draws);
        const bool wasRunning = barView();
        const auto wasShown = excuse();
        const bool fast = control<platform::fake::FakeCheckBox>("Check1").value() == 1;
        const std::size_t announced = window->announcements().size();
        std::uniform_int_distribution<int> pick(0, static_cast<int>(clickable.size()) * 3);
        const int choice = pick(events);
        std::string event = "tick";
        if (choice < static_cast<int>(clickable.size())) {
            event = clickable[static_cast<std::size_t>(choice)];
            const auto before = state();
            if (event == "modal") {
                blocked = !blocked;
                window->setBlocked(blocked);
            } else if (event == "twice") {
                window->click("Command1");
                window->click("Command1");
            } else {
                window->click(event);
            }
            if (blocked) {
                ASSERT_EQ(state(), before) << event << " behind a modal box changed the window";
            }
        } else {
            tick();
        }
        SCOPED_TRACE("step " + std::to_string(step) + ": " + event);

        const bool running = barView();
        ASSERT_EQ(running, timerRunning());
        ASSERT_EQ(running, control<FakeShape>("Shape1").visible());
        ASSERT_EQ(running, control<FakeShape>("Shape2").visible());
        ASSERT_GE(form.barStep(), 0);
        ASSERT_LE(form.barStep(), running ? 9324 : 15);

        const auto shown = excuse();
        const std::size_t newAnnouncements = window->announcements().size() - announced;
        std::size_t excuses = 0;
        if ((wasRunning && !running) || (!blocked && event == "Label1")) {
            excuses = 1;
        } else if (!blocked && fast && !wasRunning && (event == "Command1" || event == "twice")) {
            // A fast draw leaves the button in place, so both clicks of a pair draw.
            excuses = event == "twice" ? 2 : 1;
        }
        ASSERT_EQ(newAnnouncements, excuses);
        if (excuses == 0) {
            ASSERT_EQ(shown, wasShown);
        } else {
            ASSERT_EQ(window->announcements().back(), engine::excuseText(shown));
        }
        if (shown[0] != "Press") {
            for (std::size_t i = 0; i < lists.size(); ++i) {
                ASSERT_NE(std::ranges::find(lists[i].words, shown[i]), lists[i].words.end())
                    << shown[i] << " is no word of list " << i + 1;
            }
        }

        if (running && (!wasRunning || event == "Label1")) {
            ticksSinceRunChange = 0;
        } else if (running && event == "tick") {
            ASSERT_LE(++ticksSinceRunChange, 23) << "a run outlived its last title click";
        }
    }
}

} // namespace
