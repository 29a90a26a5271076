#pragma once
// A face without a toolkit: it holds what the panel sets on the windows and records what it
// is asked to show, so that tests drive the handlers as a window would.

#include "panel/MainView.h"
#include "panel/MessageView.h"
#include "panel/PrintPage.h"
#include "panel/SettingsView.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zel::test {

struct RecordedMessage {
    MessageOwner owner;
    std::string text;
    MessageKind kind;
    std::string detail;
};

class RecordingFace final : public MainView, public MessageView, public SettingsView {
public:
    // MainView.
    void FillDriveBox(int slot, const std::vector<std::string>& entries, int chosen) override {
        boxes[slot] = entries;
        boxText[slot] = chosen >= 0 ? entries.at(static_cast<std::size_t>(chosen)) : "";
    }
    std::vector<std::string> DriveBoxEntries(int slot) override { return boxes[slot]; }
    std::string DriveBoxText(int slot) override { return boxText[slot]; }
    void SetRowState(int slot, bool enabled, bool driveBoxEnabled) override {
        rowEnabled[slot] = enabled;
        driveBoxes[slot] = driveBoxEnabled;
    }
    bool FloppyChosen() override { return floppy; }
    void ChooseOtherPath() override { floppy = false; }
    bool OtherPathChosen() override { return !floppy; }
    void SetFloppyEnabled(bool) override {}
    void SetOtherPathEnabled(bool enabled) override { otherPathEnabled = enabled; }
    std::string InstallPath() override { return installPath; }
    void SetInstallPath(std::string_view path) override { installPath = path; }
    std::string BrowseForInstaller(std::string_view, std::string_view, std::string_view) override {
        return {};
    }
    bool WindowsPrintMode() override { return windowsPrintMode; }
    void SetWindowsPrintMode(bool windows) override { windowsPrintMode = windows; }
    bool PrintingEnabled() override { return printingEnabled; }
    void SetPrintingEnabled(bool enabled) override { printingEnabled = enabled; }
    ScreenArea Screen() override { return {1024, 768}; }
    void MoveWindow(int, int) override {}
    void Repaint() override {}
    void CloseWindow() override { ++closes; }
    void EndProgram() override { ++ends; }

    // MessageView.
    void ShowMessageDialog(MessageOwner owner, std::string_view text, MessageKind kind,
                           std::string_view detail, std::function<void()> afterwards) override {
        messages.push_back({owner, std::string(text), kind, std::string(detail)});
        if (afterwards) {
            pending.push_back(std::move(afterwards));
        }
    }
    void ShowStandardError(std::string_view text) override { standardErrors.emplace_back(text); }
    // The user answers the message on screen.
    void Acknowledge() {
        auto next = std::move(pending);
        pending.clear();
        for (const auto& then : next) {
            then();
        }
    }

    // SettingsView.
    void ShowValues(std::string_view product, int year, std::string_view path) override {
        shownProduct = product;
        shownYear = year;
        shownPath = path;
    }
    std::string ParameterText() override { return parameterText; }
    void SetParameterText(std::string_view text) override { parameterText = text; }
    bool AllDrivesChecked() override { return allDrives; }
    void SetAllDrivesChecked(bool checked) override { allDrives = checked; }
    void SetAllDrivesEnabled(bool enabled) override { allDrivesEnabled = enabled; }
    void ShowDialog() override { settingsShown = true; }
    void HideDialog() override { settingsShown = false; }

    std::map<int, std::vector<std::string>> boxes;
    std::map<int, std::string> boxText;
    std::map<int, bool> rowEnabled;
    std::map<int, bool> driveBoxes;
    bool floppy = false;
    bool otherPathEnabled = true;
    std::string installPath;
    bool windowsPrintMode = false;
    bool printingEnabled = true;
    int closes = 0;
    int ends = 0;
    std::vector<RecordedMessage> messages;
    std::vector<std::function<void()>> pending;
    std::vector<std::string> standardErrors;
    std::string shownProduct;
    int shownYear = 0;
    std::string shownPath;
    std::string parameterText;
    bool allDrives = false;
    bool allDrivesEnabled = false;
    bool settingsShown = false;
};

// A printer that fails or prints, as the test says.
class ScriptedPrintPage final : public PrintPage {
public:
    SpoolTickResult Tick(bool printingEnabled) override {
        ticks.push_back(printingEnabled);
        return next;
    }
    void SetupPrinter() override { ++setups; }
    std::string CharacterPrinter() override { return "Matrix"; }

    SpoolTickResult next;
    std::vector<bool> ticks;
    int setups = 0;
};

} // namespace zel::test
