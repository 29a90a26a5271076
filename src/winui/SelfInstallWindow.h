#pragma once
// The window of the launcher's own installation (TForm2) as native controls: the target
// drive, whether to make the program group entry and the desktop shortcut, and the copy's
// progress. In install mode it is the program's main window.

#include "panel/SelfInstallPanel.h"
#include "panel/SelfInstallView.h"
#include "winui/ActivationFocus.h"
#include "winui/ControlBuilder.h"
#include "winui/NativeWindow.h"

#include <functional>

namespace zel {

class Platform;

class SelfInstallWindow final : public NativeWindow, public SelfInstallView {
public:
    // closed runs once the window has closed, by any way.
    SelfInstallWindow(Platform& platform, MessageQueue& messages, ErrorHandler onError,
                      std::function<void()> closed);
    ~SelfInstallWindow() override;

    void Show();

    // SelfInstallView.
    void ShowDrives(const std::vector<std::string>& entries, std::size_t chosen) override;
    void SetGauge(int progress) override;

    [[nodiscard]] HWND DriveComboBox1() const { return m_driveList; }
    [[nodiscard]] HWND CheckBox1() const { return m_programGroup; }
    [[nodiscard]] HWND CheckBox2() const { return m_desktopIcon; }
    [[nodiscard]] HWND Gauge1() const { return m_gauge; }
    [[nodiscard]] HWND Button1() const { return m_start; }
    [[nodiscard]] HWND Button2() const { return m_cancel; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void MakeControls();
    void FormClose();

    SelfInstallPanel m_install;
    std::function<void()> m_closed;
    Bounds m_panel;
    Bounds m_keptBounds;
    ActivationFocus m_activation{m_driveList};
    DescribedControls m_controls;
    HWND m_driveList = nullptr;
    HWND m_programGroup = nullptr;
    HWND m_desktopIcon = nullptr;
    HWND m_gauge = nullptr;
    HWND m_start = nullptr;
    HWND m_cancel = nullptr;
};

} // namespace zel
