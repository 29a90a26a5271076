#include "PanelWorld.h"

#include "TestPaths.h"
#include "support/StandIns.h"
#include "text/AsciiUpper.h"
#include "text/CodePage1250.h"
#include "ui/MessageDialog.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>

namespace fs = std::filesystem;

namespace zel::test {
PanelWorld::PanelWorld()
    : m_platform([this] {
          for (const char drive : {'C', 'D', 'E'}) {
              m_world.AddDrive(drive);
          }
          // This test program is no launcher: the relay runs in the real one.
          auto platform = m_world.MakePlatform();
          platform->SetPrintRelay((fs::path(kBinDir) / "zelpult").string());
          return platform;
      }()),
      m_oldDirectory(fs::current_path()) {
    m_platform.executablePath = "C:\\ZELKOR\\ZELPULT.EXE";
    m_environment.Unset("DISPLAY");
    m_environment.Unset("WAYLAND_DISPLAY");
    m_environment.Set("TMPDIR", m_temp.Path().string());
    // Shortcuts go into this world's own home, never into the user's.
    const fs::path home = m_world.Native("C:\\HOME");
    fs::create_directories(home / "Asztal");
    WriteNativeFile(home / ".config" / "user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Asztal\"\n");
    m_environment.Set("HOME", home.string());
    m_environment.Set("XDG_DATA_HOME", (home / ".local" / "share").string());
    m_environment.Set("XDG_CONFIG_HOME", (home / ".config").string());
    m_environment.Set("XDG_DESKTOP_DIR", (home / "Asztal").string());

    fs::create_directories(m_world.Native("C:\\ZELKOR"));
    fs::current_path(m_world.Native("C:\\ZELKOR"));

    m_errorBoxWatch.setInterval(50);
    QObject::connect(&m_errorBoxWatch, &QTimer::timeout, [this] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            m_errorBoxes << box->text();
            box->done(0);
        }
    });
    m_errorBoxWatch.start();
}

void PanelWorld::TearDown() {
    EXPECT_TRUE(m_errorBoxes.isEmpty()) << "error box: " << m_errorBoxes.join('|').toStdString();
}

PanelWorld::~PanelWorld() {
    m_launcher.reset();
    m_mark.KillAll();
    fs::current_path(m_oldDirectory);
}

void PanelWorld::InstallNative(std::string_view dosPath) {
    InstallNativeStandIn(m_world, dosPath);
}

void PanelWorld::InstallDos(std::string_view dosPath) {
    InstallDosStandIn(m_world, dosPath);
}

void PanelWorld::WriteConfig(std::initializer_list<std::string_view> lines) {
    std::string bytes;
    for (const std::string_view line : lines) {
        bytes += Utf8ToCp1250(line) + "\r\n";
    }
    m_world.WriteFile("C:\\ZELKOR\\ZELPULT.INI", bytes);
}

std::vector<std::string> PanelWorld::ConfigLines() const {
    const std::string bytes = ReadNativeFile(m_world.Native("C:\\ZELKOR\\ZELPULT.INI"));
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find("\r\n", start);
        lines.push_back(Cp1250ToUtf8(bytes.substr(start, end - start)));
        start = end == std::string::npos ? bytes.size() : end + 2;
    }
    return lines;
}

Launcher& PanelWorld::StartLauncher() {
    m_launcher.reset();
    m_launcher = std::make_unique<Launcher>(m_platform);
    m_launcher->Start();
    return *m_launcher;
}

void PanelWorld::ExitPanel() {
    Click(Control<QPushButton>("TForm1", "Button5"));
    m_launcher.reset();
}

void PanelWorld::Click(QWidget* control) {
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    QTest::mouseClick(control, Qt::LeftButton);
}

QString PanelWorld::ClickAnsweringMessage(QWidget* control) {
    // A launch waits inside its click until its message is answered.
    QString seen;
    QTimer answer;
    answer.setInterval(20);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (seen.isEmpty()) {
            seen = AnswerMessage();
        }
    });
    answer.start();
    Click(control);
    WaitFor([&] { return !seen.isEmpty(); }, 5);
    return seen;
}

QString PanelWorld::AnswerMessage() {
    auto* dialog = Window<MessageDialog>("TForm4");
    if (dialog == nullptr || !dialog->isVisible()) {
        return {};
    }
    const QString text = dialog->findChild<QLabel*>("Label1")->text();
    QTest::mouseClick(dialog->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    return text;
}

bool PanelWorld::WaitFor(const std::function<bool()>& condition, int seconds, int pollMs) {
    const QDeadlineTimer deadline{std::chrono::seconds(seconds)};
    while (!condition()) {
        if (deadline.hasExpired()) {
            return condition();
        }
        QTest::qWait(pollMs);
    }
    return true;
}

std::map<std::string, std::string> PanelWorld::Log(std::string_view folder) const {
    return ReadStandInLog(m_world, folder);
}

std::map<std::string, std::string> PanelWorld::WaitForLog(std::string_view folder) {
    WaitFor([&] { return Log(folder).count("DIR") != 0; });
    return Log(folder);
}

std::vector<fs::path> PanelWorld::PrintFiles(std::string_view folder) const {
    return PrintFilesIn(m_world, folder);
}

} // namespace zel::test
