#pragma once
// A face without a toolkit: it holds what the panel sets on the windows and records what it
// is asked to show, so that tests drive the handlers as a window would.

#include "panel/MainView.h"
#include "panel/MessageQueue.h"
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
    void SetRowState(int slot, bool enabled, bool driveBoxEnabled) override {
        rowEnabled[slot] = enabled;
        driveBoxes[slot] = driveBoxEnabled;
    }
    void SetInstallSource(bool fromFloppy) override { floppy = fromFloppy; }
    void SetFloppyEnabled(bool) override {}
    void SetOtherPathEnabled(bool enabled) override { otherPathEnabled = enabled; }
    void SetInstallPath(std::string_view path) override { installPath = path; }
    std::string BrowseForInstaller(std::string_view, std::string_view, std::string_view) override {
        return {};
    }
    void SetWindowsPrintMode(bool windows) override { windowsPrintMode = windows; }
    void SetPrintingEnabled(bool enabled) override { printingEnabled = enabled; }
    ScreenArea Screen() override { return {1024, 768}; }
    void MoveWindow(int, int) override {}
    void Repaint() override {}
    void CloseWindow() override { ++closes; }
    void EndProgram() override { ++ends; }

    // MessageView.
    void ShowMessage(const MessageOnScreen& message) override {
        messages.push_back({message.owner, message.text, message.kind, message.detail});
        titles.push_back(message.title);
        messageShown = true;
    }
    void HideMessage() override { messageShown = false; }
    void RememberFocus() override { ++focusRemembered; }
    void GiveBackFocus() override { ++focusGivenBack; }
    void RunLater(std::function<void()> next) override { later.push_back(std::move(next)); }
    void CloseSelfInstallWindow() override { ++selfInstallCloses; }
    void ShowStandardError(std::string_view text) override { standardErrors.emplace_back(text); }
    // The event loop runs what waited for it.
    void RunEvents() {
        while (!later.empty()) {
            auto next = std::move(later.front());
            later.erase(later.begin());
            next();
        }
    }
    // The user answers the message on screen with OK.
    void Acknowledge() {
        queue.Ok();
        RunEvents();
    }

    // SettingsView.
    void ShowValues(std::string_view product, int year, std::string_view path) override {
        shownProduct = product;
        shownYear = year;
        shownPath = path;
    }
    void SetParameterText(std::string_view text) override { parameterText = text; }
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
    MessageQueue queue{*this};
    std::vector<RecordedMessage> messages;
    std::vector<std::string> titles;
    bool messageShown = false;
    int focusRemembered = 0;
    int focusGivenBack = 0;
    int selfInstallCloses = 0;
    std::vector<std::function<void()>> later;
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
    std::string SetupPrinter() override {
        ++setups;
        return chosenPrinter;
    }

    SpoolTickResult next;
    std::vector<bool> ticks;
    int setups = 0;
    std::string chosenPrinter = "Matrix";
};

} // namespace zel::test
