#include "form1.h"

#include "about_window/frm_about.h"
#include "engine/excuse_engine.h"
#include "form1_design.h"
#include "links/module1.h"
#include "platform/runtime/numbers.h"

#include <array>
#include <string_view>

namespace pretextor {

namespace {

using platform::CheckBox;
using platform::CommandButton;
using platform::Label;
using platform::ListBox;
using platform::Shape;
using platform::Timer;

// Each word list and the label that shows its word, in the order an excuse reads.
constexpr std::array<std::string_view, 4> listNames = {"List1", "List2", "List3", "List4"};
constexpr std::array<std::string_view, 4> labelNames = {"ls1", "ls2", "ls3", "ls4"};

} // namespace

Form1::Form1(const platform::Services& services) : services_(services) {}

Form1::~Form1() = default;

void Form1::start() {
    window_ = services_.toolkit.load(form1Design());
    window_->onUnload([this] { Form_Unload(); });
    window_->onCopy([this] { Form_Copy(); });
    control<CommandButton>("Command1").onClick([this] { Command1_Click(); });
    control<CommandButton>("Command2").onClick([this] { Command2_Click(); });
    control<CommandButton>("Command3").onClick([this] { Command3_Click(); });
    control<Label>("Label1").onClick([this] { Label1_Click(); });
    control<Label>("Label2").onClick([this] { Label2_Click(); });
    control<Timer>("Timer1").onTick([this] { Timer1_Timer(); });
    Form_Load();
    window_->show();
}

void Form1::Form_Load() {
    BarStep = 15;
    const auto& lists = engine::wordLists();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        auto& box = control<ListBox>(listNames[i]);
        for (const auto word : lists[i].words) {
            box.addItem(std::string(word));
        }
    }
}

void Form1::Form_Unload() {
    control<Timer>("Timer1").setEnabled(false);
}

void Form1::Command1_Click() {
    if (control<CheckBox>("Check1").value() == CheckBox::ticked) {
        doexcuse();
    } else {
        slowbypass();
    }
}

void Form1::Command2_Click() {
    if (!about_) {
        about_ = std::make_unique<frmAbout>(services_);
    }
    about_->Show();
}

void Form1::Command3_Click() {
    window_->unload();
}

void Form1::Label1_Click() {
    doexcuse();
}

void Form1::Label2_Click() {
    Module1::OpenStoriesPage(services_.shell);
}

void Form1::doexcuse() {
    services_.random.reseed(BarStep);
    services_.random.reseed(services_.clock.secondsSinceMidnight());
    const auto& lists = engine::wordLists();
    std::array<std::string, 4> words;
    for (std::size_t i = 0; i < lists.size(); ++i) {
        BarStep = engine::drawIndex(services_.random, lists[i]);
        PickedWord = control<ListBox>(listNames[i]).item(BarStep);
        control<Label>(labelNames[i]).setCaption(PickedWord);
        words[i] = PickedWord;
    }
    ShownExcuse = engine::excuseText(words);
    window_->setCopyAvailable(!ShownExcuse.empty());
    // Every draw is the user's doing; a blind user hears the excuse as one phrase, since screen
    // readers pass over changes to labels the focus is not on.
    window_->announce(ShownExcuse);
}

void Form1::Form_Copy() {
    // Before the first draw the labels only say what to press: the clipboard keeps what it had.
    if (!ShownExcuse.empty()) {
        window_->copyToClipboard(ShownExcuse);
    }
}

void Form1::slowbypass() {
    ToggleProgressView();
    control<Timer>("Timer1").setEnabled(true);
    control<Shape>("Shape1").setWidth(15.0F);
    BarStep = 1;
}

void Form1::Timer1_Timer() {
    // A title click that drew the first report word leaves the step at 0, from which the bar
    // would never grow: resume from the first step so that every run ends by itself.
    if (BarStep == 0) {
        BarStep = 1;
    }
    auto& bar = control<Shape>("Shape1");
    const float frameWidth = control<Shape>("Shape2").width();
    const float barWidth = bar.width();
    if (barWidth > frameWidth) {
        FinishProgress();
    }
    bar.setWidth(static_cast<float>(BarStep));
    BarStep = platform::toInt16(platform::multiplyChecked(static_cast<double>(BarStep), 1.5));
}

void Form1::ToggleProgressView() {
    for (const auto name : {"Command1", "Shape1", "Shape2"}) {
        auto& view = window_->get<platform::Control>(name);
        view.setVisible(!view.visible());
    }
}

void Form1::FinishProgress() {
    ToggleProgressView();
    control<Timer>("Timer1").setEnabled(false);
    control<Shape>("Shape1").setWidth(15.0F);
    BarStep = 15;
    control<CommandButton>("Command1").setCaption(std::string(anotherExcuseCaption));
    doexcuse();
}

} // namespace pretextor
