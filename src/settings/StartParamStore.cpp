#include "settings/StartParamStore.h"

#include "text/AsciiUpper.h"

namespace zel {

std::string StoreStartParams(ProgramCatalogue& catalogue, const StartParamEdit& edit) {
    std::string text = AsciiUpper(edit.text);
    catalogue.SetStartParams(edit.slot, edit.shownDrive, text);
    if (edit.everyDrive) {
        for (const std::string& entry : edit.driveEntries) {
            if (!entry.empty()) {
                catalogue.SetStartParams(edit.slot, entry.front(), text);
            }
        }
    }
    return text;
}

} // namespace zel
