#pragma once
// The job printer of the Windows edition: the GDI printer, the measuring font and the canvas,
// made when the first job or the printer setup needs them. Asking the spooler for printers
// is work that a start which prints nothing should not wait for.

#include "spool/JobPrinter.h"

#include <memory>
#include <string>

namespace zel {

class GdiPrinter;

class DesktopJobPrinter final : public JobPrinter {
public:
    DesktopJobPrinter();
    ~DesktopJobPrinter() override;
    DesktopJobPrinter(const DesktopJobPrinter&) = delete;
    DesktopJobPrinter& operator=(const DesktopJobPrinter&) = delete;

    void BeginJob(InputFile& file, std::string_view title) override;
    bool PrintSlice() override;
    void CancelJob() noexcept override;

    [[nodiscard]] GdiPrinter& Printer();
    // Code page 1250; empty while no printer was chosen.
    [[nodiscard]] std::string ChosenPrinter() const;

private:
    struct Parts;
    Parts& Ready();

    std::unique_ptr<Parts> m_parts;
};

} // namespace zel
