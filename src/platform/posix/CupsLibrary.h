#pragma once
// The printing system's client library, loaded by the first job or printer question that
// needs it rather than with the launcher: it brings a score of libraries of its own, whose
// loading was a tenth of the launcher's start-up. Only its types come from its header here.

#include <cups/cups.h>

namespace zel::posix {

struct CupsLibrary {
    decltype(&::cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&::cupsFreeDests) freeDests = nullptr;
    decltype(&::cupsCopyDestInfo) copyDestInfo = nullptr;
    decltype(&::cupsFreeDestInfo) freeDestInfo = nullptr;
    decltype(&::cupsCreateDestJob) createDestJob = nullptr;
    decltype(&::cupsStartDestDocument) startDestDocument = nullptr;
    decltype(&::cupsWriteRequestData) writeRequestData = nullptr;
    decltype(&::cupsFinishDestDocument) finishDestDocument = nullptr;
    decltype(&::cupsCancelDestJob) cancelDestJob = nullptr;
    decltype(&::cupsAddOption) addOption = nullptr;
    decltype(&::cupsFreeOptions) freeOptions = nullptr;
    decltype(&::cupsLastError) lastError = nullptr;
};

// The library, loaded once; null when it is not installed or lacks a function, which a
// caller reports as a printer that cannot be reached.
const CupsLibrary* Cups();

} // namespace zel::posix
