// Started where there is no ZELPULT.INI, the launcher installs itself; the copy it makes
// starts from its shortcut, on this machine, as the panel.

#include "DesktopEntry.h"
#include "PanelWorld.h"
#include "TestPaths.h"
#include "ui/DriveComboBox.h"
#include "ui/MessageDialog.h"

#include <QCheckBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <ctime>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zel::test {
namespace {

// A folder that refuses every change: no write permission, and for root, who passes over
// permissions, the file system's immutable flag.
class ReadOnlyFolder final {
public:
    explicit ReadOnlyFolder(fs::path folder) : m_folder(std::move(folder)) {
        fs::permissions(m_folder,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        if (::geteuid() == 0) {
            m_immutable = SetImmutable(true);
        }
    }
    ~ReadOnlyFolder() {
        if (m_immutable) {
            SetImmutable(false);
        }
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    [[nodiscard]] bool Refuses() const { return ::geteuid() != 0 || m_immutable; }

private:
    bool SetImmutable(bool on) {
        const int fd = ::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            return false;
        }
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return done;
    }

    fs::path m_folder;
    bool m_immutable = false;
};

class PanelSelfInstall : public PanelWorld {
protected:
    PanelSelfInstall() {
        const fs::path kit = m_world.Native("C:\\KIT\\ZELPULT.EXE");
        fs::create_directories(kit.parent_path());
        fs::copy_file(Built(), kit);
        m_platform.executablePath = "C:\\KIT\\ZELPULT.EXE";
        fs::current_path(kit.parent_path());
    }

    [[nodiscard]] static fs::path Built() { return fs::path(kBinDir) / "zelpult"; }
    [[nodiscard]] fs::path Home() const { return m_world.Native("C:\\HOME"); }
    [[nodiscard]] fs::path MenuGroup() const {
        return Home() / ".local" / "share" / "applications" / "ZELKOR";
    }
    [[nodiscard]] fs::path Desktop() const { return Home() / "Asztal"; }

    // The target drive as the user picks it, with the arrow keys.
    void ChooseDrive(char letter) {
        auto* drives = Control<DriveComboBox>("TForm2", "DriveComboBox1");
        ASSERT_NE(drives, nullptr);
        QTest::keyClick(drives, Qt::Key_Home);
        const QString wanted = QString(QLatin1Char(letter)).toLower() + QLatin1Char(':');
        while (!drives->currentText().startsWith(wanted) &&
               drives->currentIndex() + 1 < drives->count()) {
            QTest::keyClick(drives, Qt::Key_Down);
        }
        ASSERT_TRUE(drives->currentText().startsWith(wanted));
    }
};

std::tm LastWriteTime(const fs::path& file) {
    struct stat st {};
    std::tm local{};
    if (::stat(file.c_str(), &st) == 0) {
        localtime_r(&st.st_mtime, &local);
    }
    return local;
}

TEST_F(PanelSelfInstall, InstalledCopyStartsFromItsShortcutAsThePanel) {
    Launcher& launcher = StartLauncher();
    ASSERT_EQ(launcher.Mode(), StartMode::Install);
    ASSERT_TRUE(Window("TForm2")->isVisible());
    EXPECT_TRUE(Control<QCheckBox>("TForm2", "CheckBox1")->isChecked());
    EXPECT_TRUE(Control<QCheckBox>("TForm2", "CheckBox2")->isChecked());
    ChooseDrive('D');
    QSignalSpy ended(&launcher, &Launcher::Ended);
    Click(Control("TForm2", "Button1"));
    EXPECT_EQ(AnswerMessage(), QString::fromUtf8("A telepítés sikeresen befejeződött !"));
    EXPECT_EQ(ended.count(), 1);

    const fs::path installed = m_world.Native("D:\\ZELKOR\\ZELPULT.EXE");
    ASSERT_TRUE(fs::exists(installed));
    EXPECT_TRUE(ReadNativeFile(installed) == ReadNativeFile(Built()));
    const std::tm stamp = LastWriteTime(installed);
    EXPECT_EQ(stamp.tm_year + 1900, 2025);
    EXPECT_EQ(stamp.tm_mon, 0);
    EXPECT_EQ(stamp.tm_mday, 1);
    EXPECT_EQ(stamp.tm_hour, 12);
    EXPECT_EQ(stamp.tm_min, 0);
    EXPECT_EQ(stamp.tm_sec, 0);
    const fs::path config = m_world.Native("D:\\ZELKOR\\ZELPULT.INI");
    ASSERT_TRUE(fs::exists(config));
    EXPECT_EQ(fs::file_size(config), 0U);

    const auto menu = ReadDesktopEntry(MenuGroup() / "Zelkor.desktop");
    const auto desktop = ReadDesktopEntry(Desktop() / "Zelkor.desktop");
    ASSERT_TRUE(menu.has_value());
    ASSERT_TRUE(desktop.has_value());
    EXPECT_EQ(menu->command, desktop->command);
    EXPECT_TRUE(fs::equivalent(desktop->command.back(), installed));
    ASSERT_TRUE(fs::equivalent(desktop->workingFolder, installed.parent_path()));

    // Only the panel makes its spool folder where it starts; installing makes none.
    const fs::path spool = installed.parent_path() / "Printing";
    ASSERT_FALSE(fs::exists(spool));
    QProcess panel;
    panel.setProgram(QString::fromStdString(desktop->command.front()));
    QStringList arguments;
    for (auto it = desktop->command.begin() + 1; it != desktop->command.end(); ++it) {
        arguments << QString::fromStdString(*it);
    }
    panel.setArguments(arguments);
    panel.setWorkingDirectory(QString::fromStdString(desktop->workingFolder));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    panel.setProcessEnvironment(environment);
    panel.setStandardOutputFile(QProcess::nullDevice());
    panel.setStandardErrorFile(QProcess::nullDevice());
    panel.start();
    ASSERT_TRUE(panel.waitForStarted()) << panel.errorString().toStdString();
    EXPECT_TRUE(WaitUntil([&] { return fs::is_directory(spool); }, kPatience))
        << "the installed launcher did not start as the panel";
    EXPECT_EQ(panel.state(), QProcess::Running);
    panel.kill();
    panel.waitForFinished();
}

TEST_F(PanelSelfInstall, AWriteProtectedDriveIsReportedAndKeepsNothing) {
    const fs::path target = m_world.Native("E:\\");
    const ReadOnlyFolder readOnly(target);
    if (!readOnly.Refuses()) {
        GTEST_SKIP() << "this machine lets root write into every folder";
    }
    Launcher& launcher = StartLauncher();
    ASSERT_EQ(launcher.Mode(), StartMode::Install);
    ChooseDrive('E');
    QSignalSpy ended(&launcher, &Launcher::Ended);
    Click(Control("TForm2", "Button1"));

    auto* dialog = Window<MessageDialog>("TForm4");
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->CurrentOwner(), Window("TForm2"));
    EXPECT_EQ(AnswerMessage(), QString::fromUtf8("Ez a meghajtó írásvédett!"));
    EXPECT_EQ(ended.count(), 1);
    EXPECT_TRUE(fs::is_empty(target));
    EXPECT_FALSE(fs::exists(MenuGroup()));
    EXPECT_TRUE(fs::is_empty(Desktop()));
}

} // namespace
} // namespace zel::test
