#include "settings/StartParamStore.h"

#include "text/AsciiUpper.h"
#include "text/ControlCharacters.h"

namespace zel {

std::string StoreStartParams(ProgramCatalogue& catalogue, const StartParamEdit& edit) {
    // The edit field then shows what is stored: pasted line breaks are gone.
    std::string text = WithoutControlCharacters(AsciiUpper(edit.text));
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
