#include "PanelWorld.h"

#include "TestPaths.h"
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
namespace {

constexpr const char* kEnvironment[] = {"DISPLAY",        "WAYLAND_DISPLAY", "TMPDIR",
                                        "HOME",           "XDG_DATA_HOME",   "XDG_CONFIG_HOME",
                                        "XDG_DESKTOP_DIR"};

} // namespace

PanelWorld::PanelWorld()
    : m_platform([this] {
          for (const char drive : {'C', 'D', 'E'}) {
              m_world.AddDrive(drive);
          }
          return m_world.MakePlatform();
      }()),
      m_oldDirectory(fs::current_path()) {
    for (const char* name : kEnvironment) {
        const char* value = std::getenv(name);
        m_savedEnvironment[name] = value ? std::optional<std::string>(value) : std::nullopt;
    }
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");
    ::setenv("TMPDIR", m_temp.Path().c_str(), 1);
    // Shortcuts go into this world's own home, never into the user's.
    const fs::path home = m_world.Native("C:\\HOME");
    fs::create_directories(home / "Asztal");
    WriteNativeFile(home / ".config" / "user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Asztal\"\n");
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / ".local" / "share").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    ::setenv("XDG_DESKTOP_DIR", (home / "Asztal").c_str(), 1);

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
    for (const auto& [name, value] : m_savedEnvironment) {
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }
}

void PanelWorld::InstallNative(std::string_view dosPath) {
    const fs::path target = m_world.WriteFile(dosPath);
    fs::copy_file(fs::path(kBinDir) / "standin", target, fs::copy_options::overwrite_existing);
}

void PanelWorld::InstallDos(std::string_view dosPath) {
    const fs::path target = m_world.WriteFile(dosPath);
    fs::copy_file(fs::path(kBinDir) / "STANDIN.EXE", target, fs::copy_options::overwrite_existing);
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
    std::map<std::string, std::string> entries;
    const fs::path log = m_world.Native(std::string(folder) + "\\STANDIN.LOG");
    std::error_code ec;
    if (!fs::exists(log, ec)) {
        return entries;
    }
    const std::string text = ReadNativeFile(log);
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (const auto equals = line.find('='); equals != std::string::npos) {
            entries[line.substr(0, equals)] = line.substr(equals + 1);
        }
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return entries;
}

std::map<std::string, std::string> PanelWorld::WaitForLog(std::string_view folder) {
    WaitFor([&] { return Log(folder).count("DIR") != 0; });
    return Log(folder);
}

std::vector<fs::path> PanelWorld::PrintFiles(std::string_view folder) const {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(m_world.Native(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        if (AsciiUpper(it->path().filename().string()).starts_with("WS")) {
            files.push_back(it->path());
        }
    }
    return files;
}

} // namespace zel::test
