#include "platform/posix/TrustedModule.h"

#include "support/TempDir.h"

#include <dlfcn.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace zel::posix {
namespace {

using Probe = int (*)();

// A copy of the probe module at folder/name, its folder and itself with the given modes.
std::string PlaceProbe(const fs::path& folder, const char* name, fs::perms folderMode,
                       fs::perms fileMode) {
    fs::create_directories(folder);
    const fs::path file = folder / name;
    fs::copy_file(ZEL_MODULE_PROBE, file);
    fs::permissions(file, fileMode);
    fs::permissions(folder, folderMode);
    return file.string();
}

constexpr fs::perms kOwnerOnly = fs::perms::owner_all | fs::perms::group_read |
                                 fs::perms::group_exec | fs::perms::others_read |
                                 fs::perms::others_exec;

// Nobody but the owner may have put a module where it is opened from: the refused ones are
// passed over, each with its reason, and the first safe one is opened and works.
TEST(TrustedModule, OpensOnlyAModuleThatNobodyElseCouldHavePlaced) {
    const test::TempDir dir;
    const fs::path root = dir.Path();
    fs::permissions(root, kOwnerOnly);
    const std::string sharedFolder =
        PlaceProbe(root / "shared", "a.so", kOwnerOnly | fs::perms::others_write, kOwnerOnly);
    const std::string writableFile =
        PlaceProbe(root / "own", "b.so", kOwnerOnly, kOwnerOnly | fs::perms::others_write);
    const std::string missing = (root / "own" / "none.so").string();
    const std::string good = PlaceProbe(root / "own", "c.so", kOwnerOnly, kOwnerOnly);
    // A link in a safe folder leads into the shared one.
    fs::create_symlink(sharedFolder, root / "own" / "link.so");
    const std::string link = (root / "own" / "link.so").string();

    // A group may write it where the group is the user's own, not another's.
    const std::string ownGroup =
        PlaceProbe(root / "own", "d.so", kOwnerOnly, kOwnerOnly | fs::perms::group_write);
    std::vector<std::string> refusedOnes{sharedFolder, writableFile, missing, link};
    if (::geteuid() == 0) {
        const std::string otherGroup =
            PlaceProbe(root / "own", "e.so", kOwnerOnly, kOwnerOnly | fs::perms::group_write);
        ASSERT_EQ(::chown(otherGroup.c_str(), 0, ::getegid() + 1), 0);
        refusedOnes.push_back(otherGroup);
    }
    std::vector<std::string> candidates = refusedOnes;
    candidates.push_back("relative.so");
    candidates.push_back(good);

    const OpenedModule opened = OpenTrustedModule(candidates);

    ASSERT_NE(opened.handle, nullptr) << opened.refusal;
    EXPECT_TRUE(opened.refusal.empty());
    const auto probe = reinterpret_cast<Probe>(::dlsym(opened.handle, "zel_module_probe"));
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe(), 1729);

    const OpenedModule none = OpenTrustedModule(refusedOnes);
    EXPECT_EQ(none.handle, nullptr);
    for (const std::string& refused : refusedOnes) {
        EXPECT_NE(none.refusal.find(refused + ": "), std::string::npos) << none.refusal;
    }
    EXPECT_NE(OpenTrustedModule({ownGroup}).handle, nullptr);
}

// A file that is no module is refused as the loader's own answer, not opened or crashed on.
TEST(TrustedModule, AFileThatIsNoModuleIsToldWhy) {
    const test::TempDir dir;
    fs::permissions(dir.Path(), kOwnerOnly);
    const fs::path text = dir.Path() / "text.so";
    {
        std::FILE* file = std::fopen(text.c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fputs("no module\n", file);
        std::fclose(file);
    }
    const OpenedModule opened = OpenTrustedModule({text.string()});
    EXPECT_EQ(opened.handle, nullptr);
    EXPECT_NE(opened.refusal.find(text.string() + ": "), std::string::npos);
}

} // namespace
} // namespace zel::posix
