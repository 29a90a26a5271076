#include "platform/HelperMode.h"
#include "platform/KeptJobs.h"
#include "platform/PrinterGoneText.h"
#include "platform/win32/PrintRelay.h"
#include "platform/win32/Windows.h"
#include "platform/win32/WinspoolRawPrinter.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace zel {
namespace {

DWORD WINAPI ShowPrinterGone(void* text) {
    const std::unique_ptr<std::string> owned(static_cast<std::string*>(text));
    MessageBoxA(nullptr, owned->c_str(), "ZELKOR", MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
    return 0;
}

// On a thread of its own, so that the jobs go on printing while the message is shown.
void TellPrinterGone(const std::string& printer) {
    auto text = std::make_unique<std::string>(PrinterGoneText(printer));
    if (const HANDLE thread = CreateThread(nullptr, 0, ShowPrinterGone, text.get(), 0, nullptr)) {
        // The thread owns the text from now on.
        (void)text.release();
        CloseHandle(thread);
    }
}

} // namespace

std::optional<int> RunHelperMode(int argc, char** argv, const MakeRelayedPrinting& makeRelayed) {
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    const auto request = ParsePrintRelayCommand(arguments);
    if (!request) {
        return std::nullopt;
    }
    win32::WinspoolRawPrinter printer;
    const auto kept = OpenKeptJobs(KeptJobsFolder());
    return win32::RunPrintRelay(*request, makeRelayed, printer, *kept, TellPrinterGone);
}

} // namespace zel
