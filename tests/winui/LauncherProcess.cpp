#include "LauncherProcess.h"

#include "WindowWaits.h"

namespace zel::test {

std::string BuiltLauncher() {
    char own[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, own, MAX_PATH);
    const std::string path = own;
    return path.substr(0, path.rfind('\\') + 1) + "ZELPULT.EXE";
}

LauncherProcess::LauncherProcess(const std::string& program, const std::string& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::string commandLine = "\"" + program + "\"";
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       folder.c_str(), &startup, &started)) {
        CloseHandle(started.hThread);
        m_process = started.hProcess;
        m_processId = started.dwProcessId;
        m_threadId = started.dwThreadId;
    }
}

LauncherProcess::LauncherProcess(HWND window)
    : m_threadId(GetWindowThreadProcessId(window, &m_processId)) {
    m_process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION,
                            FALSE, m_processId);
}

LauncherProcess::~LauncherProcess() {
    if (m_process == nullptr) {
        return;
    }
    if (WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process, 1);
        WaitForSingleObject(m_process, kProcessLimit);
    }
    CloseHandle(m_process);
}

std::wstring LauncherProcess::ImagePath() const {
    wchar_t path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (m_process == nullptr || !QueryFullProcessImageNameW(m_process, 0, path, &size)) {
        return {};
    }
    return {path, size};
}

HWND LauncherProcess::WaitForWindow(const wchar_t* className) const {
    HWND window = nullptr;
    WaitUntil([&] { return (window = VisibleWindowOf(m_processId, className)) != nullptr; },
              kProcessLimit);
    return window;
}

HWND LauncherProcess::WaitForMessage(std::wstring_view text) const {
    HWND message = nullptr;
    WaitUntil([&] { return (message = VisibleWindowShowing(m_processId, text)) != nullptr; },
              kProcessLimit);
    return message;
}

bool LauncherProcess::AnswerMessage(HWND message) const {
    const HWND ok = ChildWithText(message, L"&OK");
    if (ok == nullptr) {
        return false;
    }
    SendMessageTimeoutW(ok, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kProcessLimit, nullptr);
    return WaitUntil([&] { return !IsWindowVisible(message); }, kProcessLimit);
}

HWND LauncherProcess::Focus() const {
    GUITHREADINFO focus{};
    focus.cbSize = sizeof focus;
    return GetGUIThreadInfo(m_threadId, &focus) ? focus.hwndFocus : nullptr;
}

void LauncherProcess::PressKey(HWND control, WPARAM virtualKey) const {
    PostMessageW(control, WM_KEYDOWN, virtualKey, 0x00010001);
    PostMessageW(control, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0010001U));
}

void LauncherProcess::Type(HWND control, std::wstring_view text) const {
    for (const wchar_t c : text) {
        PostMessageW(control, WM_CHAR, c, 0x00000001);
    }
}

bool LauncherProcess::EndsCleanly() const {
    DWORD exitCode = 1;
    return m_process != nullptr && WaitForSingleObject(m_process, kProcessLimit) == WAIT_OBJECT_0 &&
           GetExitCodeProcess(m_process, &exitCode) && exitCode == 0;
}

} // namespace zel::test
