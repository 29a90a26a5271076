#pragma once
// The window of the launcher's own installation (TForm2) as native controls: the target
// drive, whether to make the program group entry and the desktop shortcut, and the copy's
// progress. In install mode it is the program's main window.

#include "panel/SelfInstallPanel.h"
#include "panel/SelfInstallView.h"
#include "winui/PanelForm.h"

#include <functional>

namespace zel {

class Platform;

class SelfInstallWindow final : public PanelForm, public SelfInstallView {
public:
    // closed runs once the window has closed, by any way.
    SelfInstallWindow(Platform& platform, MessageQueue& messages, ErrorHandler onError,
                      std::function<void()> closed);

    void Show();

    // SelfInstallView.
    void ShowDrives(const std::vector<std::string>& entries, std::size_t chosen) override;
    void SetGauge(int progress) override;

    [[nodiscard]] HWND DriveComboBox1() const { return Controls()["DriveComboBox1"]; }
    [[nodiscard]] HWND CheckBox1() const { return Controls()["CheckBox1"]; }
    [[nodiscard]] HWND CheckBox2() const { return Controls()["CheckBox2"]; }
    [[nodiscard]] HWND Gauge1() const { return Controls()["Gauge1"]; }
    [[nodiscard]] HWND Button1() const { return Controls()["Button1"]; }
    [[nodiscard]] HWND Button2() const { return Controls()["Button2"]; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormClose();

    SelfInstallPanel m_install;
    std::function<void()> m_closed;
};

} // namespace zel
