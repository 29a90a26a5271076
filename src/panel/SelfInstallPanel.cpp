#include "panel/SelfInstallPanel.h"

#include "config/CountingPause.h"
#include "install/SelfInstall.h"

namespace zel {

void SelfInstallPanel::Install() {
    RunGuarded(m_onError, [&] {
        const char drive = m_view.TargetDrive();
        if (drive == '\0') {
            return;
        }
        PanelMessages messages(m_messages, MessageOwner::SelfInstallWindow, m_onError);
        const CopyFeedback feedback{[this](int progress) { m_view.SetGauge(progress); },
                                    [] { CountingPause(kFirstPassPause); }};
        InstallLauncher(m_platform, messages,
                        {drive, m_view.ProgramGroupChosen(), m_view.DesktopShortcutChosen()},
                        feedback);
    });
}

} // namespace zel
