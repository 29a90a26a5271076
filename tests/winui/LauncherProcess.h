#pragma once
// A ZELPULT.EXE process seen from outside, as a user meets it: its windows waited for until
// they are up, its message windows answered, keys sent to what has the focus. Ended at the
// latest when the test is over, so that no panel outlives it.

#include "winui/Win32Ui.h"

#include <string>
#include <string_view>

namespace zel::test {

// Long enough for a start-up under a busy Wine; every wait ends as soon as it can.
inline constexpr int kProcessLimit = 30000;

// The ZELPULT.EXE built beside this program.
[[nodiscard]] std::string BuiltLauncher();

class LauncherProcess final {
public:
    // Starts the program in folder, as Explorer starts a program in its own folder.
    LauncherProcess(const std::string& program, const std::string& folder);
    // The process that owns a window, started some other way.
    explicit LauncherProcess(HWND window);
    ~LauncherProcess();
    LauncherProcess(const LauncherProcess&) = delete;
    LauncherProcess& operator=(const LauncherProcess&) = delete;

    [[nodiscard]] bool Started() const { return m_process != nullptr; }
    // The program file its process runs; empty when it cannot be asked.
    [[nodiscard]] std::wstring ImagePath() const;

    // A visible top-level window of the class; null when none came up in time.
    [[nodiscard]] HWND WaitForWindow(const wchar_t* className) const;
    // The message window while it shows text; null when none came up in time.
    [[nodiscard]] HWND WaitForMessage(std::wstring_view text) const;
    // Its OK clicked; whether the window went away.
    [[nodiscard]] bool AnswerMessage(HWND message) const;
    // The control that has the keyboard focus in the program; null when none.
    [[nodiscard]] HWND Focus() const;
    // A key pressed and released in control, as the keyboard would send it.
    void PressKey(HWND control, WPARAM virtualKey) const;
    // Typed into control, a character at a time.
    void Type(HWND control, std::wstring_view text) const;
    // Whether it ended in time with exit code 0.
    [[nodiscard]] bool EndsCleanly() const;

private:
    HANDLE m_process = nullptr;
    DWORD m_processId = 0;
    DWORD m_threadId = 0;
};

} // namespace zel::test
