#include "platform/posix/CupsLibrary.h"

#include <dlfcn.h>
#include <optional>

namespace zel::posix {
namespace {

template <typename Function> bool Resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

std::optional<CupsLibrary> Load() {
    // Never unloaded: the library keeps its connection to the server from job to job.
    void* library = ::dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return std::nullopt;
    }
    CupsLibrary cups;
    const bool complete = Resolve(library, "cupsGetNamedDest", cups.getNamedDest) &&
                          Resolve(library, "cupsFreeDests", cups.freeDests) &&
                          Resolve(library, "cupsCopyDestInfo", cups.copyDestInfo) &&
                          Resolve(library, "cupsFreeDestInfo", cups.freeDestInfo) &&
                          Resolve(library, "cupsCreateDestJob", cups.createDestJob) &&
                          Resolve(library, "cupsStartDestDocument", cups.startDestDocument) &&
                          Resolve(library, "cupsWriteRequestData", cups.writeRequestData) &&
                          Resolve(library, "cupsFinishDestDocument", cups.finishDestDocument) &&
                          Resolve(library, "cupsCancelDestJob", cups.cancelDestJob) &&
                          Resolve(library, "cupsAddOption", cups.addOption) &&
                          Resolve(library, "cupsFreeOptions", cups.freeOptions) &&
                          Resolve(library, "cupsLastError", cups.lastError);
    if (!complete) {
        return std::nullopt;
    }
    return cups;
}

} // namespace

const CupsLibrary* Cups() {
    static const std::optional<CupsLibrary> library = Load();
    return library ? &*library : nullptr;
}

} // namespace zel::posix
