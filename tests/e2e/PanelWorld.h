#pragma once
// The whole panel in a temporary world: drives C:, D: and E:, the launcher's folder
// C:\ZELKOR as the current directory, the stand-ins copied in under accounting program
// names, no display, home and desktop folders of its own, and every process started from
// here ended when the test ends. The windows are driven as a user drives them.

#include "support/ForwardingPlatform.h"
#include "support/ProcessWatch.h"
#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"
#include "support/WineWorld.h"
#include "ui/Launcher.h"

#include <QApplication>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zel::test {

class PanelWorld : public ::testing::Test {
protected:
    // Starting DOSBox or printing through CUPS on a loaded machine takes its time; this bounds
    // the waits, it measures nothing.
    static constexpr int kPatience = 60;

    PanelWorld();
    ~PanelWorld() override;
    // A standard error box fails the test with its text, rather than waiting for a user.
    void TearDown() override;

    // Copies the native stand-in, or its DOS twin, to a DOS path.
    void InstallNative(std::string_view dosPath);
    void InstallDos(std::string_view dosPath);
    // ZELPULT.INI of C:\ZELKOR from lines written in UTF-8, as the launcher writes it.
    void WriteConfig(std::initializer_list<std::string_view> lines);
    // ZELPULT.INI of C:\ZELKOR in UTF-8, one entry a line.
    [[nodiscard]] std::vector<std::string> ConfigLines() const;

    // A new launcher started in the current directory.
    Launcher& StartLauncher();
    // The exit button, as the user presses it; the launcher is gone afterwards.
    void ExitPanel();

    // A top-level window, or a control inside one, by its form name.
    template <typename T = QWidget> [[nodiscard]] static T* Window(const char* name) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String(name)) {
                return qobject_cast<T*>(window);
            }
        }
        return nullptr;
    }
    template <typename T = QWidget>
    [[nodiscard]] static T* Control(const char* window, const char* name) {
        QWidget* form = Window(window);
        return form != nullptr ? form->findChild<T*>(QLatin1String(name)) : nullptr;
    }

    static void Click(QWidget* control);
    // Clicks, answers the message the click shows with OK, and gives its first line; empty
    // when no message came.
    QString ClickAnsweringMessage(QWidget* control);
    // The message on screen now, answered with OK; empty when none is shown.
    QString AnswerMessage();
    // Processes events until the condition holds or the time is up, looking every pollMs.
    static bool WaitFor(const std::function<bool()>& condition, int seconds = kPatience,
                        int pollMs = 25);

    // The stand-in's log in a folder (DOS path): "KEY=value" lines, later keys winning.
    [[nodiscard]] std::map<std::string, std::string> Log(std::string_view folder) const;
    // Waits for a stand-in to write its log in a folder, and reads it.
    std::map<std::string, std::string> WaitForLog(std::string_view folder);
    // Files of a folder (DOS path) whose names match ws*.* in any case.
    [[nodiscard]] std::vector<std::filesystem::path> PrintFiles(std::string_view folder) const;

    WineWorld m_world;
    ProcessMark m_mark;
    TempDir m_temp;
    // The machine as it is, but for the launcher's own path: the test program is no launcher.
    ForwardingPlatform m_platform;

private:
    std::unique_ptr<Launcher> m_launcher;
    QTimer m_errorBoxWatch;
    QStringList m_errorBoxes;
    std::filesystem::path m_oldDirectory;
    ScopedEnvironment m_environment;
};

} // namespace zel::test
