#pragma once
// The print relay: runs DOSBox with the printer capture's serial port connected to itself,
// cuts what the program prints into jobs and prints them raw. It belongs to no window: it
// lives while the program runs, and after it until the last job is printed or given up.

#include "platform/KeptJobs.h"
#include "platform/PrintRelayCommand.h"
#include "platform/RawPrinter.h"
#include "platform/RelayedPrinting.h"

namespace zel::posix {

// 0 when every job was printed; 1 when a job was given up or DOSBox could not be run.
// Each job is kept until the printer has accepted it; what an earlier relay left is printed
// first.
// The jobs are made by make once DOSBox runs.
[[nodiscard]] int RunPrintRelay(const PrintRelayRequest& request, const MakeRelayedPrinting& make,
                                RawPrinter& printer, KeptJobs& kept, PrinterGone printerGone = {});

} // namespace zel::posix
