#include "winui/PrintControl.h"

#include "winui/FileTimeText.h"
#include "winui/GdiPrinter.h"

namespace zel {
namespace {

constexpr int kRunningGridId = 4101;
constexpr int kFinishedGridId = 4102;

} // namespace

PrintControl::PrintControl(Platform& platform, std::string spoolDirectory, HWND page,
                           Bounds waitingGrid, Bounds printedGrid, HWND owner,
                           SpoolTiming timing)
    : m_spool(platform, m_printer, std::move(spoolDirectory), LocaleFileTimeFormatter(),
              std::move(timing)),
      m_running(m_spool.Running(), page, waitingGrid, kRunningGridId, L"StringGrid1"),
      m_finished(m_spool.Finished(), page, printedGrid, kFinishedGridId, L"StringGrid2"),
      m_slices([this] { return PrintSlice(); }), m_owner(owner) {}

PrintControl::~PrintControl() = default;

SpoolTickResult PrintControl::Tick(bool printingEnabled) {
    // The printer must not change under a job while its setup dialog is open.
    if (m_settingUp) {
        return {};
    }
    const SpoolTickResult result = m_spool.Tick(printingEnabled);
    Refresh();
    return result;
}

bool PrintControl::PrintSlice() {
    if (!m_settingUp) {
        (void)m_spool.PrintSlice();
        Refresh();
    }
    return m_spool.JobInProgress();
}

void PrintControl::Refresh() {
    m_running.Refresh();
    m_finished.Refresh();
    if (m_spool.JobInProgress()) {
        m_slices.Start();
    } else {
        m_slices.Stop();
    }
}

void PrintControl::SetupPrinter() {
    m_settingUp = true;
    (void)Printer().Setup(m_owner);
    m_settingUp = false;
}

std::string PrintControl::CharacterPrinter() {
    return m_printer.ChosenPrinter();
}

} // namespace zel
