#include "platform/posix/PrivateFolder.h"

#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace zel::test {
namespace {

class PrivateFolderTest : public ::testing::Test {
protected:
    PrivateFolderTest() { m_environment.Set("TMPDIR", m_dir.Path().string()); }

    TempDir m_dir;
    ScopedEnvironment m_environment;
};

TEST_F(PrivateFolderTest, EachIsNewAndTheUsersAlone) {
    const auto first = posix::PrivateFolder::Make("zeltest");
    const auto second = posix::PrivateFolder::Make("zeltest");
    ASSERT_TRUE(first && second);
    EXPECT_NE(first->Path(), second->Path());
    EXPECT_EQ(first->Path().parent_path(), m_dir.Path());
    EXPECT_TRUE(first->Path().filename().string().starts_with("zeltest-"));
    struct stat facts {};
    ASSERT_EQ(::stat(first->Path().c_str(), &facts), 0);
    EXPECT_TRUE(S_ISDIR(facts.st_mode));
    EXPECT_EQ(facts.st_mode & 0777, 0700u);
}

TEST_F(PrivateFolderTest, GoesWithWhatItHoldsButNotWhatItsLinksPointAt) {
    const fs::path outside = m_dir.Path() / "outside";
    WriteNativeFile(outside / "kept.txt", "kept");
    fs::path made;
    {
        const auto folder = posix::PrivateFolder::Make("zeltest");
        ASSERT_TRUE(folder);
        made = folder->Path();
        WriteNativeFile(made / "job.pdf", "%PDF");
        WriteNativeFile(made / "below" / "part", "x");
        fs::create_directory_symlink(outside, made / "folder link");
        fs::create_symlink(outside / "kept.txt", made / "file link");
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(made)));
    EXPECT_EQ(ReadNativeFile(outside / "kept.txt"), "kept");
}

TEST_F(PrivateFolderTest, NoneWithoutATemporaryFolder) {
    m_environment.Set("TMPDIR", (m_dir.Path() / "missing").string());
    EXPECT_EQ(posix::PrivateFolder::Make("zeltest"), nullptr);
}

} // namespace
} // namespace zel::test
