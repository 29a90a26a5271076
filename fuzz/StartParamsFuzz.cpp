// A parameter text of any bytes stored through the settings dialog's store: it holds no
// control character, at most 60 characters, and comes back the same through ZELPULT.INI.

#include "MemoryPlatform.h"
#include "config/ConfigFile.h"
#include "settings/StartParamStore.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zel::ProgramCatalogue catalogue;
    catalogue.Fill();
    const int slot = size == 0 ? 1 : 1 + data[0] % zel::kSlotCount;
    zel::StartParamEdit edit;
    edit.slot = slot;
    edit.shownDrive = 'D';
    edit.text.assign(reinterpret_cast<const char*>(data), size);
    (void)zel::StoreStartParams(catalogue, edit);
    const std::string stored(catalogue.StartParams(slot, 'D'));
    if (stored.size() > 60) {
        std::abort();
    }
    for (const char c : stored) {
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') {
            std::abort();
        }
    }

    // A line that names a later program's file belongs to that program, as it always has.
    for (int later = slot + 1; later <= zel::kSlotCount; ++later) {
        if (stored.find(catalogue.Slot(later).exeName.view()) != std::string::npos) {
            return 0;
        }
    }
    zel::fuzz::MemoryPlatform platform;
    zel::LauncherConfig config;
    platform.file = zel::ComposeConfigFile(catalogue, config);
    zel::ProgramCatalogue read;
    read.Fill();
    zel::ReadConfigFile(platform, "C:\\ZELPULT.INI", read, config);
    if (read.StartParams(slot, 'D') != stored) {
        std::abort();
    }
    return 0;
}
