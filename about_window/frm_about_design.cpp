#include "frm_about_design.h"

#include "platform/app_info.h"

#include <array>

namespace pretextor {

namespace {

using platform::ControlDesign;
using platform::ControlKind;
using platform::FontDesign;

constexpr platform::Colour black = 0x00000000;
constexpr platform::Colour blue = 0x00FF0000;
constexpr FontDesign underlined{.underline = true};

constexpr ControlDesign link(std::string_view name, std::string_view text, platform::TwipRect rect,
                             int tabIndex) {
    return {.kind = ControlKind::Label,
            .name = name,
            .text = text,
            .rect = rect,
            .font = underlined,
            .foreColour = blue,
            .tabIndex = tabIndex,
            .pointer = platform::MousePointer::UpArrow,
            .link = true};
}

constexpr ControlDesign text(std::string_view name, std::string_view caption,
                             platform::TwipRect rect, int tabIndex) {
    return {.kind = ControlKind::Label,
            .name = name,
            .text = caption,
            .rect = rect,
            .tabIndex = tabIndex};
}

constexpr ControlDesign blackText(std::string_view name, std::string_view caption,
                                  platform::TwipRect rect, int tabIndex) {
    ControlDesign label = text(name, caption, rect, tabIndex);
    label.foreColour = black;
    return label;
}

// What the window's load writes into its title and version labels.
constexpr std::array title{platform::app::title};
constexpr std::array version{platform::app::versionText};

const std::array<ControlDesign, 15> controls = {{
    {.kind = ControlKind::PictureBox,
     .name = "picIcon",
     .rect = {240, 120, 540, 540},
     .tabIndex = 1,
     .picture = platform::Picture::AboutPicture,
     .accessibleName = "Program picture"},
    {.kind = ControlKind::CommandButton,
     .name = "cmdOK",
     .text = "OK",
     .rect = {4245, 3105, 1260, 345},
     .tabIndex = 0,
     .defaultButton = true,
     .cancelButton = true},
    {.kind = ControlKind::CommandButton,
     .name = "cmdSysInfo",
     .text = "&System Info...",
     .rect = {4260, 3555, 1245, 345},
     .tabIndex = 2},
    link("Label1", "http://vorn.example/ExcuseBoard.html", {1320, 1920, 2895, 255}, 7),
    blackText("lblDescription", "Created from the orginal VORN excuse board located at",
              {1080, 1680, 3885, 450}, 3),
    text("Label6",
         "If you'd ever worked on a helpdesk, this program is all you need to get rid of those "
         "pesky things called users.",
         {1080, 1080, 3975, 735}, 12),
    link("Label5", "Email Me @ \"Author@pretextor.example\"", {120, 3240, 4095, 255}, 11),
    link("Label4", "http://pretextor.example/, Check out my other projects.",
         {120, 3000, 4095, 255}, 10),
    link("Label3", "http://vorn.example/Vexing.html", {1320, 2640, 2535, 255}, 9),
    text("Label2",
         "For some great humerous vexing system operator stories please check out "
         "Dravenholt's Page",
         {1080, 2160, 3975, 495}, 8),
    {.kind = ControlKind::Line,
     .name = "Line1(1)",
     .line = {.from = {90, 2925}, .to = {5654, 2925}, .colour = 0x00808080, .widthPixels = 1}},
    {.kind = ControlKind::Label,
     .name = "lblTitle",
     .text = "Application Title",
     .shows = title,
     .rect = {1050, 120, 4605, 480},
     .font = FontDesign{.points = 18.0F, .bold = true},
     .foreColour = black,
     .tabIndex = 5},
    {.kind = ControlKind::Line,
     .name = "Line1(0)",
     .line = {.from = {105, 2940}, .to = {5654, 2940}, .colour = 0x00FFFFFF, .widthPixels = 2}},
    {.kind = ControlKind::Label,
     .name = "lblVersion",
     .text = "Version",
     .shows = version,
     .rect = {1080, 600, 1725, 225},
     .font = underlined,
     .tabIndex = 6},
    blackText("lblDisclaimer",
              "Warning: ...Ya Da Ya Da Yada.... damage..... not liable..... no refunds.......",
              {120, 3600, 3990, 465}, 4),
}};

const platform::WindowDesign design{
    .name = "frmAbout",
    .caption = "About MyApp",
    .clientWidth = 5730,
    .clientHeight = 4005,
    .position = platform::TwipPoint{2340, 1935},
    .frame = platform::Frame::FixedDialog,
    .icon = platform::Picture::ProgramIcon,
    .controls = controls,
};

} // namespace

const platform::WindowDesign& frmAboutDesign() {
    return design;
}

std::string aboutCaption() {
    return "About " + std::string(platform::app::title);
}

} // namespace pretextor
