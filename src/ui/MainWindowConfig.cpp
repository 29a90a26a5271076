// The main window's part in ZELPULT.INI: the controls that hold its settings while the
// panel runs, and the write at close.

#include "config/ConfigFile.h"
#include "ui/MainWindow.h"
#include "ui/QtText.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QRadioButton>

namespace zel {

LauncherConfig MainWindow::CurrentConfig() const {
    LauncherConfig config = m_config;
    config.installSourcePath = ToCp1250(m_npath->text());
    config.windowsPrintMode = m_edNyomWindows->isChecked();
    config.printingEnabled = m_btNyomtat->isChecked();
    return config;
}

void MainWindow::ApplyConfig(const LauncherConfig& config) {
    m_npath->setText(FromCp1250(config.installSourcePath));
    (config.windowsPrintMode ? m_edNyomWindows : m_edNyomDos)->setChecked(true);
    (config.printingEnabled ? m_btNyomtat : m_btMegszakit)->setChecked(true);
}

void MainWindow::FormClose() {
    if (!m_normalMode || m_keepConfigFile) {
        return;
    }
    // A failed write keeps the file of the last run whole; the panel closes regardless.
    (void)WriteConfigFile(m_platform, ConfigFilePath(m_startDirectory), m_catalogue,
                          CurrentConfig());
}

} // namespace zel
