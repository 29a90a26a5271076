#pragma once
// The print relay on Windows: runs DOSBox with the printer capture's serial port connected
// to a loopback socket of its own, cuts what the program prints into jobs and prints them
// raw. It belongs to no window: it lives while the program runs, and after it until the
// last job is printed; then it removes the start files.

#include "platform/KeptJobs.h"
#include "platform/PrintRelayCommand.h"
#include "platform/RawPrinter.h"
#include "platform/RelayedPrinting.h"

namespace zel::win32 {

// 0 once every job is printed; 1 when DOSBox's port could not be opened or DOSBox not run.
// Each job is kept until the printer has accepted it; what an earlier relay left is printed
// first.
// The jobs are made by make once DOSBox runs.
[[nodiscard]] int RunPrintRelay(const PrintRelayRequest& request, const MakeRelayedPrinting& make,
                                RawPrinter& printer, KeptJobs& kept, PrinterGone printerGone = {});

} // namespace zel::win32
