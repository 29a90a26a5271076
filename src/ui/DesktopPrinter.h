#pragma once
// The desktop printer and what lays a job out on it (the measuring window, the canvas), set
// up when first needed: the first job or the printer setup. Setting up a printer loads the
// print server's client and asks the server for its printers and their descriptions, which
// a start that prints nothing should not wait for.

#include "spool/JobPrinter.h"

#include <QtGlobal>
#include <memory>

class QPrinter;

namespace zel {

class DesktopPrinter final : public JobPrinter {
    Q_DISABLE_COPY_MOVE(DesktopPrinter)

public:
    DesktopPrinter();
    ~DesktopPrinter() override;

    void BeginJob(InputFile& file, std::string_view title) override;
    bool PrintSlice() override;
    void CancelJob() noexcept override;

    [[nodiscard]] QPrinter& Printer();

private:
    struct Parts;
    Parts& Ready();

    std::unique_ptr<Parts> m_parts;
};

} // namespace zel
