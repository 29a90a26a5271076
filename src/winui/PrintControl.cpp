#include "winui/PrintControl.h"

#include "winprint/GdiPrinter.h"
#include "winui/FileTimeText.h"

namespace zel {
namespace {

constexpr int kRunningGridId = 4101;
constexpr int kFinishedGridId = 4102;

} // namespace

PrintControl::PrintControl(Platform& platform, std::string spoolDirectory, HWND page,
                           Bounds waitingGrid, Bounds printedGrid, HWND owner, SpoolTiming timing)
    : m_slices([this] {
          m_page.PrintSlice();
          return m_slices.Running();
      }),
      m_page(
          platform, m_printer, std::move(spoolDirectory), LocaleFileTimeFormatter(), *this,
          [this] { ShowJobs(); }, std::move(timing)),
      m_running(m_page.Spool().Running(), page, waitingGrid, kRunningGridId, L"StringGrid1"),
      m_finished(m_page.Spool().Finished(), page, printedGrid, kFinishedGridId, L"StringGrid2"),
      m_owner(owner) {}

PrintControl::~PrintControl() = default;

SpoolTickResult PrintControl::Tick(bool printingEnabled) {
    return m_page.Tick(printingEnabled);
}

void PrintControl::ShowJobs() {
    m_running.Refresh();
    m_finished.Refresh();
}

std::string PrintControl::SetupPrinter() {
    // A cancelled setup keeps the printer chosen before.
    m_page.SetUpPrinter([this] { (void)Printer().Setup(m_owner); });
    return CharacterPrinter();
}

std::string PrintControl::CharacterPrinter() {
    return m_printer.ChosenPrinter();
}

} // namespace zel
