#include "platform/posix/CupsRawPrinter.h"

#include "platform/posix/CupsLibrary.h"

#include <memory>

namespace zel::posix {
namespace {

struct DestFree {
    void operator()(cups_dest_t* dest) const { Cups()->freeDests(1, dest); }
};
struct InfoFree {
    void operator()(cups_dinfo_t* info) const { Cups()->freeDestInfo(info); }
};

std::unique_ptr<cups_dest_t, DestFree> FindDest(const std::string& printer) {
    const CupsLibrary* cups = Cups();
    if (cups == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<cups_dest_t, DestFree>(cups->getNamedDest(
        CUPS_HTTP_DEFAULT, printer.empty() ? nullptr : printer.c_str(), nullptr));
}

// Only the server's own word that it knows no such printer makes it gone; a server that
// does not answer is asked again later.
RawPrintOutcome Refusal(const std::string& printer) {
    const CupsLibrary* cups = Cups();
    if (cups != nullptr && !printer.empty() && cups->lastError() == IPP_STATUS_ERROR_NOT_FOUND) {
        return RawPrintOutcome::NoSuchPrinter;
    }
    return RawPrintOutcome::Refused;
}

} // namespace

RawPrintOutcome CupsRawPrinter::Print(const std::string& printer, std::string_view title,
                                      std::string_view bytes) {
    const auto dest = FindDest(printer);
    if (!dest) {
        return Refusal(printer);
    }
    const CupsLibrary& cups = *Cups();
    const std::unique_ptr<cups_dinfo_t, InfoFree> info(
        cups.copyDestInfo(CUPS_HTTP_DEFAULT, dest.get()));
    if (!info) {
        return Refusal(printer);
    }
    const std::string name(title);
    int job = 0;
    if (cups.createDestJob(CUPS_HTTP_DEFAULT, dest.get(), info.get(), &job, name.c_str(), 0,
                           nullptr) != IPP_STATUS_OK) {
        return Refusal(printer);
    }
    bool accepted =
        cups.startDestDocument(CUPS_HTTP_DEFAULT, dest.get(), info.get(), job, name.c_str(),
                               CUPS_FORMAT_RAW, 0, nullptr, 1) == HTTP_STATUS_CONTINUE;
    accepted = accepted && cups.writeRequestData(CUPS_HTTP_DEFAULT, bytes.data(), bytes.size()) ==
                               HTTP_STATUS_CONTINUE;
    // The document is finished in any case, so that the connection can serve the next job.
    accepted =
        cups.finishDestDocument(CUPS_HTTP_DEFAULT, dest.get(), info.get()) == IPP_STATUS_OK &&
        accepted;
    if (!accepted) {
        cups.cancelDestJob(CUPS_HTTP_DEFAULT, dest.get(), job);
        return RawPrintOutcome::Refused;
    }
    return RawPrintOutcome::Accepted;
}

bool CupsHasPrinter(const std::string& printer) {
    return FindDest(printer) != nullptr;
}

} // namespace zel::posix
