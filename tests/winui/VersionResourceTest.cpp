// The built ZELPULT.EXE tells its name and version in the file's properties, as Explorer and
// software inventories read them.

#include "LauncherProcess.h"
#include "text/WideText.h"

#include <gtest/gtest.h>
#include <vector>
#include <winver.h>

namespace zel::test {
namespace {

std::wstring VersionText(const std::vector<char>& info, const wchar_t* name) {
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040E04E2\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), key.c_str(), &value, &length) || length == 0) {
        return {};
    }
    return std::wstring(static_cast<const wchar_t*>(value), length - 1);
}

TEST(VersionResource, NamesTheProductAndItsVersionInHungarian) {
    const std::wstring program = WideFromUtf8(BuiltLauncher());
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 27));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(VersionText(info, L"ProductName"), L"ZELKOR Ind\u00EDt\u00F3pult");
    EXPECT_EQ(VersionText(info, L"FileVersion"), L"27.0");
    EXPECT_EQ(VersionText(info, L"OriginalFilename"), L"ZELPULT.EXE");
}

} // namespace
} // namespace zel::test
