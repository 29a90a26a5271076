#include "ui/PrintControl.h"

#include "ui/FileTimeText.h"
#include "ui/PrintingModule.h"

namespace zel {

PrintControl::PrintControl(Platform& platform, std::string spoolDirectory, QWidget& owner,
                           SpoolTiming timing, PrintingMaker makePrinting)
    : m_printer(makePrinting ? std::move(makePrinting) : MakeModulePrinting),
      m_page(
          platform, m_printer, std::move(spoolDirectory), LocaleFileTimeFormatter(), *this,
          [this] { ShowJobs(); }, std::move(timing)),
      m_owner(owner) {
    // Idle time of the event loop: input and painting come first between slices.
    m_slices.setInterval(0);
    QObject::connect(&m_slices, &QTimer::timeout, [this] { m_page.PrintSlice(); });
}

void PrintControl::ShowJobsIn(StringGrid& running, StringGrid& finished) {
    m_running.emplace(Spool().Running(), running);
    m_finished.emplace(Spool().Finished(), finished);
    ShowJobs();
}

SpoolTickResult PrintControl::Tick(bool printingEnabled) {
    return m_page.Tick(printingEnabled);
}

void PrintControl::ShowJobs() {
    if (m_running && m_finished) {
        m_running->Refresh();
        m_finished->Refresh();
    }
}

std::string PrintControl::SetupPrinter() {
    m_page.SetUpPrinter([this] { m_printer.Made().RunSetup(m_owner); });
    return CharacterPrinter();
}

std::string PrintControl::CharacterPrinter() {
    return m_printer.IsMade() ? m_printer.Made().CharacterPrinter() : std::string();
}

DesktopPrinting& PrintControl::PrintingOnDemand::Made() {
    if (!m_made) {
        m_made = m_make();
    }
    return *m_made;
}

void PrintControl::PrintingOnDemand::CancelJob() noexcept {
    if (m_made) {
        m_made->CancelJob();
    }
}

} // namespace zel
