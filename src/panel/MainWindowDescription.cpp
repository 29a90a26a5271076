#include "panel/MainWindowDescription.h"

#include "text/AsciiUpper.h"
#include "text/Utf8.h"

#include <string>

namespace zel {
namespace {

constexpr ControlDescription kPages[] = {
    {.name = "PageControl1", .kind = ControlKind::Pages, .rect = {0, -1, 584, 474}},
    {.name = "TabSheet1", .kind = ControlKind::Page, .caption = "&Program indítás"},
    {.name = "TabSheet2", .kind = ControlKind::Page, .caption = "&Korábbi évek"},
    {.name = "TabSheet4", .kind = ControlKind::Page, .caption = "&Korábbi évek II"},
    {.name = "TabSheet3", .kind = ControlKind::Page, .caption = "&Nyomtatás vezérlés"},
};

constexpr ControlDescription kInstallBox[] = {
    {.name = "Panel4", .kind = ControlKind::Panel, .rect = {-1, 356, 586, 85}},
    {.name = "GroupBox2",
     .kind = ControlKind::GroupBox,
     .caption = "  ZELKOR programok telepítése  ",
     .rect = {24, 6, 451, 61},
     .parent = "Panel4"},
    {.name = "NDISKA",
     .kind = ControlKind::RadioButton,
     .caption = " &A: floppy lemezről",
     .rect = {20, 18, 121, 17},
     .parent = "GroupBox2",
     .startsGroup = true},
    {.name = "NDISKC",
     .kind = ControlKind::RadioButton,
     .caption = " &Egyéb útvonalról:",
     .rect = {20, 36, 113, 17},
     .parent = "GroupBox2",
     .checked = true},
    {.name = "NPATH",
     .kind = ControlKind::Edit,
     .rect = {126, 31, 220, 21},
     .parent = "GroupBox2",
     .accessibleName = "Egyéb útvonal",
     .startsGroup = true},
    // The picture button lies over the plain one, both over the path field's right end;
    // either browses.
    {.name = "NBROWSE",
     .kind = ControlKind::Button,
     .rect = {328, 33, 16, 18},
     .parent = "GroupBox2",
     .accessibleName = "Tallózás",
     .clickOnly = true},
    {.name = "NBROWSEPIC",
     .kind = ControlKind::PictureButton,
     .rect = {330, 36, 11, 13},
     .parent = "GroupBox2",
     .accessibleName = "Tallózás",
     .startsGroup = true,
     .glyph = Glyph::Browse,
     .clickOnly = true},
    {.name = "Button4",
     .kind = ControlKind::Button,
     .caption = "&Telepítés",
     .rect = {362, 20, 73, 25},
     .parent = "GroupBox2"},
    {.name = "Button5",
     .kind = ControlKind::Button,
     .caption = "&Kilépés",
     .rect = {487, 27, 74, 25},
     .parent = "Panel4"},
};

constexpr ControlDescription kPrintPage[] = {
    {.name = "Panel6", .kind = ControlKind::Panel, .rect = {-2, -2, 587, 493}},
    {.name = "GroupBox3",
     .kind = ControlKind::GroupBox,
     .caption = "  Nyomtatás módja  ",
     .rect = {32, 13, 382, 62},
     .parent = "Panel6"},
    {.name = "edNyomDos",
     .kind = ControlKind::RadioButton,
     .caption = "Hagyományos karakteres (kizárólag &DOS-kompatibilis nyomtató esetén) ",
     .rect = {15, 18, 358, 17},
     .parent = "GroupBox3",
     .startsGroup = true,
     .checked = true},
    {.name = "edNyomWindows",
     .kind = ControlKind::RadioButton,
     .caption = "&Windows alapértelmezett nyomtatóval",
     .rect = {15, 37, 204, 17},
     .parent = "GroupBox3"},
    {.name = "Button2",
     .kind = ControlKind::Button,
     .caption = "Nyomtató &beállítás",
     .rect = {440, 49, 115, 25},
     .parent = "Panel6",
     .startsGroup = true},
    {.name = "btNyomtat",
     .kind = ControlKind::SpeedButton,
     .caption = "Nyomtatás engedélyezése",
     .rect = {31, 406, 175, 27},
     .parent = "Panel6",
     .checked = true,
     .glyph = Glyph::Tick},
    {.name = "btMegszakit",
     .kind = ControlKind::SpeedButton,
     .caption = "Nyomtatás megszakítása",
     .rect = {380, 406, 175, 27},
     .parent = "Panel6",
     .glyph = Glyph::Cross},
};

// As drawn; the spool narrows the last three to nothing.
constexpr int kJobColumnWidths[] = {304, 51, 110, 52, 39, 53, 64};

constexpr ControlDescription kJobLists[] = {
    {.name = "Label5",
     .caption = "Folyamatban lévő nyomtatások",
     .rect = {31, 87, ControlRect::kFitText, 0},
     .parent = "Panel6",
     .font = {.bold = true}},
    {.name = "StringGrid1",
     .kind = ControlKind::Grid,
     .rect = {31, 109, 524, 126},
     .parent = "Panel6",
     .accessibleName = "Folyamatban lévő nyomtatások",
     .columnWidths = kJobColumnWidths},
    {.name = "Label3",
     .caption = "Elvégzett nyomtatások",
     .rect = {31, 246, ControlRect::kFitText, 0},
     .parent = "Panel6",
     .font = {.bold = true}},
    {.name = "StringGrid2",
     .kind = ControlKind::Grid,
     .rect = {31, 268, 524, 126},
     .parent = "Panel6",
     .accessibleName = "Elvégzett nyomtatások",
     .columnWidths = kJobColumnWidths},
};

struct KeyedControl {
    std::string_view name;
    KeySender sender;
};

constexpr KeyedControl kKeyedControls[] = {
    {"NDISKA", KeySender::FloppyChoice}, {"NDISKC", KeySender::OtherPathChoice},
    {"NPATH", KeySender::PathField},     {"Button4", KeySender::InstallButton},
    {"Button5", KeySender::ExitButton},  {"Button2", KeySender::PrinterSetupButton},
};

} // namespace

std::optional<KeySender> KeySenderOf(std::string_view controlName) {
    for (const KeyedControl& keyed : kKeyedControls) {
        if (keyed.name == controlName) {
            return keyed.sender;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> PageOfMnemonic(char32_t key) {
    const auto upper = [](char32_t c) {
        return c < 0x80 ? static_cast<char32_t>(AsciiUpper(static_cast<char>(c))) : c;
    };
    const auto pages = MainWindowPages().subspan(1);
    for (std::size_t index = 0; index < pages.size(); ++index) {
        const std::u32string caption = DecodeUtf8(pages[index].caption);
        const auto mark = caption.find(U'&');
        if (mark != std::u32string::npos && mark + 1 < caption.size() &&
            upper(caption[mark + 1]) == upper(key)) {
            return index;
        }
    }
    return std::nullopt;
}

std::span<const ControlDescription> MainWindowPages() {
    return kPages;
}

std::span<const ControlDescription> InstallBoxDescription() {
    return kInstallBox;
}

std::span<const ControlDescription> PrintPageDescription() {
    return kPrintPage;
}

std::span<const ControlDescription> JobListsDescription() {
    return kJobLists;
}

} // namespace zel
