#include "form1_design.h"

#include "engine/excuse_engine.h"

#include <array>

namespace pretextor {

namespace {

using platform::Alignment;
using platform::BackStyle;
using platform::ControlDesign;
using platform::ControlKind;
using platform::FillStyle;
using platform::FontDesign;

constexpr FontDesign excuseFont{.points = 13.5F};
constexpr platform::Colour blue = 0x00FF0000;
constexpr platform::Colour lightBlue = 0x00FFC0C0;
constexpr platform::Colour lightCyan = 0x00FFFFC0;
constexpr std::array afterSlowDraw{anotherExcuseCaption};

// Each list's words, which its list box holds and its excuse label shows.
std::span<const std::string_view> wordsOf(std::size_t list) {
    return engine::wordLists()[list].words;
}

ControlDesign excuseLabel(std::string_view name, std::string_view text, int left, int width,
                          int tabIndex, std::size_t list) {
    return {.kind = ControlKind::Label,
            .name = name,
            .text = text,
            .shows = wordsOf(list),
            .rect = {left, 4200, width, 375},
            .font = excuseFont,
            .alignment = Alignment::Centre,
            .tabIndex = tabIndex,
            .offersCopy = true};
}

ControlDesign listBox(std::string_view name, int left, int width, int tabIndex,
                      std::string_view accessibleName, std::size_t list) {
    return {.kind = ControlKind::ListBox,
            .name = name,
            .shows = wordsOf(list),
            .rect = {left, 2040, width, 1815},
            .tabIndex = tabIndex,
            .accessibleName = accessibleName};
}

constexpr ControlDesign line(std::string_view name, int y) {
    return {.kind = ControlKind::Line, .name = name, .line = {.from = {0, y}, .to = {7680, y}}};
}

const std::array<ControlDesign, 21> controls = {{
    {.kind = ControlKind::CommandButton,
     .name = "Command3",
     .text = "Quit",
     .rect = {7200, 4920, 615, 255},
     .tabIndex = 12},
    {.kind = ControlKind::CommandButton,
     .name = "Command2",
     .text = "About",
     .rect = {7200, 4680, 615, 255},
     .tabIndex = 11},
    {.kind = ControlKind::Timer, .name = "Timer1", .visible = false, .intervalMs = 4},
    {.kind = ControlKind::CommandButton,
     .name = "Command1",
     .text = "Calculate an Excuse!",
     .shows = afterSlowDraw,
     .rect = {1560, 1200, 4575, 495},
     .tabIndex = 9},
    listBox("List1", 0, 1815, 3, "Qualifiers", 0),
    listBox("List4", 6000, 1935, 2, "Reports", 3),
    listBox("List3", 3960, 1935, 1, "Faults", 2),
    listBox("List2", 1920, 1935, 0, "System parts", 1),
    {.kind = ControlKind::CheckBox,
     .name = "Check1",
     .text = "Fast Refesh",
     .rect = {5880, 4800, 1335, 255},
     .tabIndex = 14},
    line("Line3", 1920),
    line("Line2", 4680),
    line("Line1", 4080),
    {.kind = ControlKind::Label,
     .name = "Label2",
     .text = "Visit the Original VORN Website",
     .rect = {2640, 4920, 2295, 255},
     .font = FontDesign{.underline = true},
     .foreColour = blue,
     .tabIndex = 13,
     .link = true},
    {.kind = ControlKind::Label,
     .name = "Label1",
     .text = "Random Pretextor",
     .rect = {960, 480, 6015, 615},
     .font = FontDesign{.family = "MS Mincho", .points = 20.25F, .bold = true, .underline = true},
     .alignment = Alignment::Centre,
     .tabIndex = 4},
    {.kind = ControlKind::Label,
     .name = "Label4",
     .text = "Vexing Overlord of Ruined Networks",
     .rect = {1080, 0, 5655, 615},
     .font = FontDesign{.family = "Old English Text MT", .points = 21.75F, .bold = true},
     .alignment = Alignment::Centre,
     .tabIndex = 10},
    {.kind = ControlKind::Shape,
     .name = "Shape1",
     .rect = {1320, 1200, 255, 495},
     .visible = false,
     .shape = {.backColour = lightBlue,
               .fillColour = blue,
               .backStyle = BackStyle::Opaque,
               .fillStyle = FillStyle::DownwardDiagonal},
     .accessibleName = "Progress",
     .progressFrame = "Shape2"},
    excuseLabel("ls4", "Button", 6240, 1455, 8, 3),
    excuseLabel("ls3", "Press", 3840, 2415, 7, 2),
    excuseLabel("ls2", "Button", 1920, 2055, 6, 1),
    excuseLabel("ls1", "Press", 0, 1935, 5, 0),
    {.kind = ControlKind::Shape,
     .name = "Shape2",
     .rect = {1320, 1200, 5055, 495},
     .visible = false,
     .shape = {.backColour = lightBlue,
               .fillColour = lightCyan,
               .backStyle = BackStyle::Opaque,
               .fillStyle = FillStyle::Solid}},
}};

const platform::WindowDesign design{
    .name = "Form1",
    .caption = "VORN: Random Pretextor",
    .clientWidth = 7710,
    .clientHeight = 5130,
    .frame = platform::Frame::FixedSingle,
    .icon = platform::Picture::ProgramIcon,
    .controls = controls,
};

} // namespace

const platform::WindowDesign& form1Design() {
    return design;
}

} // namespace pretextor
