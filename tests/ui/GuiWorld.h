#pragma once
// A test world for the windows: drive C with the launcher's folder C:\ZELKOR as the current
// directory, and a platform whose answers a test may replace.

#include "support/ForwardingPlatform.h"
#include "support/WineWorld.h"

#include <QString>
#include <filesystem>

class QWidget;

namespace zel::test {

class GuiWorld final {
public:
    GuiWorld();
    ~GuiWorld();
    GuiWorld(const GuiWorld&) = delete;
    GuiWorld& operator=(const GuiWorld&) = delete;

    // An empty ZELPULT.INI in C:\ZELKOR: the launcher starts in normal mode.
    void WriteConfig();
    void EnterDirectory(const std::filesystem::path& native);

    WineWorld world;
    ForwardingPlatform platform;

private:
    std::filesystem::path m_oldDirectory;
};

// Closes the next modal message box that opens and keeps its text.
class ModalWatch final {
public:
    ModalWatch();
    ~ModalWatch();
    [[nodiscard]] const QString& Seen() const { return m_seen; }

private:
    QString m_seen;
    bool m_fired = false;
};

} // namespace zel::test
