#include "platform/win32/Windows.h"
#include "support/UnixTools.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace zel::test {

std::string HostPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        c = c == '/' ? '\\' : c;
    }
    return path;
}

std::string Shell(const std::string& script) {
    // A Linux process gives Wine no handle to wait on: the output appears, whole, when the
    // script is done.
    // In the world's own folder: process numbers repeat between Wine worlds running at once.
    static int calls = 0;
    const char* world = std::getenv("ZEL_WINE_WORLD");
    const std::string output = std::string(world != nullptr ? world : "/tmp") + "/shell-" +
                               std::to_string(GetCurrentProcessId()) + "-" +
                               std::to_string(++calls);
    std::string escaped;
    for (const char c :
         "(" + script + ") > " + output + ".part 2>&1; mv " + output + ".part " + output) {
        if (c == '"') {
            escaped += '\\';
        }
        escaped += c;
    }
    std::string command = "/bin/sh -c \"" + escaped + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process)) {
        return {};
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const std::string done = HostPath(output);
    for (int tries = 0; tries < 6000 && GetFileAttributesA(done.c_str()) == INVALID_FILE_ATTRIBUTES;
         ++tries) {
        Sleep(10);
    }
    std::string text;
    {
        std::ifstream file(done, std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    DeleteFileA(done.c_str());
    return text;
}

} // namespace zel::test
