#include "catalogue/ProgramCatalogue.h"
#include "catalogue/ProgramSlot.h"
#include "panel/MainWindowDescription.h"
#include "panel/RowPages.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <deque>
#include <string>
#include <vector>

namespace zel {
namespace {

struct ProductPanel {
    std::string_view panelName;
    std::string_view headingName;
};

// Per page, product A then B: the forms numbered them as they were added.
constexpr std::array<std::array<ProductPanel, 2>, kRowPageYears.size()> kPanels = {{
    {{{"Panel1", "Label1"}, {"Panel3", "Label2"}}},
    {{{"Panel2", "Label4"}, {"Panel5", "Label6"}}},
    {{{"Panel7", "Label7"}, {"Panel8", "Label8"}}},
}};

constexpr FontDescription kBold{"MS Sans Serif", 12, true};
constexpr int kFirstRowTop = 68;
constexpr int kRowPitch = 31;

std::string_view Heading(Product product) {
    return product == Product::Bookkeeping ? "Egyszeres könyvviteli program"
                                           : "Bérszámfejtő program";
}

// The sixty rows' names and texts live as long as the program; the descriptions point into
// them.
class RowPageTables final {
public:
    RowPageTables() {
        for (std::size_t page = 0; page < kRowPageYears.size(); ++page) {
            for (const Product product : {Product::Bookkeeping, Product::Payroll}) {
                AddProductPanel(page, product);
            }
        }
    }

    std::array<std::vector<ControlDescription>, kRowPageYears.size()> pages;
    std::array<RowControlNames, kSlotCount> rows{};

private:
    std::string_view Keep(std::string text) { return m_texts.emplace_back(std::move(text)); }

    void AddProductPanel(std::size_t page, Product product) {
        const bool payroll = product == Product::Payroll;
        const ProductPanel& names = kPanels[page][payroll ? 1 : 0];
        std::vector<ControlDescription>& controls = pages[page];
        controls.push_back(
            {.name = names.panelName,
             .kind = ControlKind::Panel,
             .rect = payroll ? ControlRect{292, -1, 294, 530} : ControlRect{-1, -1, 293, 530}});
        controls.push_back({.name = names.headingName,
                            .caption = Heading(product),
                            .rect = {payroll ? 85 : 61, 26, ControlRect::kFitText, 0},
                            .parent = names.panelName,
                            .font = kBold});
        const RowPageYears years = kRowPageYears[page];
        for (int year = years.firstYear; year <= years.lastYear; ++year) {
            AddRow(controls, names.panelName, product, year, year - years.firstYear);
        }
    }

    void AddRow(std::vector<ControlDescription>& controls, std::string_view panel, Product product,
                int year, int index) {
        const int slot = RowSlot(product, year);
        std::string rowName = RowName(slot);
        std::string settingsName = "s" + rowName;
        for (char& c : settingsName) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        const RowControlNames names{Keep(rowName), Keep(rowName + "PATH"), Keep(settingsName)};
        rows[static_cast<std::size_t>(slot - 1)] = names;
        const std::string_view about =
            Keep(std::string(Heading(product)) + " " + std::to_string(year));
        const std::string_view caption = Keep(std::to_string(year));
        // The payroll panel starts further right, and its rows with it.
        const int left = product == Product::Payroll ? 3 : 0;
        const int top = kFirstRowTop + kRowPitch * index;
        controls.push_back({.name = names.year,
                            .kind = ControlKind::Button,
                            .caption = caption,
                            .rect = {24 + left, top, 81, 22},
                            .parent = panel,
                            .font = kBold,
                            .startsGroup = true,
                            .toolTip = "Program indítása",
                            .accessibleDescription = about});
        controls.push_back({.name = names.drive,
                            .kind = ControlKind::DriveBox,
                            .rect = {120 + left, top, 97, 21},
                            .parent = panel,
                            .accessibleName = "Meghajtó",
                            .accessibleDescription = about});
        controls.push_back({.name = names.settings,
                            .kind = ControlKind::PictureButton,
                            .rect = {232 + left, top - 2, 33, 26},
                            .parent = panel,
                            .accessibleName = "Beállítások",
                            .glyph = Glyph::Settings,
                            .toolTip = "Beállítások",
                            .accessibleDescription = about});
    }

    std::deque<std::string> m_texts;
};

const RowPageTables& Tables() {
    static const RowPageTables tables;
    return tables;
}

} // namespace

std::span<const ControlDescription> RowPageDescription(std::size_t page) {
    return Tables().pages.at(page);
}

RowControlNames RowControlNamesOf(int slot) {
    return Tables().rows.at(static_cast<std::size_t>(slot - 1));
}

int RowSlotOf(std::string_view controlName) {
    const auto& rows = Tables().rows;
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const RowControlNames& names) {
        return controlName == names.year || controlName == names.drive ||
               controlName == names.settings;
    });
    return row == rows.end() ? 0 : static_cast<int>(row - rows.begin()) + 1;
}

int RowSlotOfControl(std::string_view name, std::string_view parentName) {
    const int slot = RowSlotOf(name);
    return slot != 0 ? slot : RowSlotOf(parentName);
}

} // namespace zel
