#include "config/ConfigChanges.h"

namespace zel {
namespace {

std::size_t Index(int slot) {
    return static_cast<std::size_t>(slot - 1);
}

char Letter(std::size_t index) {
    return static_cast<char>('A' + index);
}

ConfigSettings Settings(const ProgramCatalogue& catalogue, const LauncherConfig& config) {
    ConfigSettings settings;
    settings.installSourcePath = config.installSourcePath;
    settings.windowsPrintMode = config.windowsPrintMode;
    settings.printingEnabled = config.printingEnabled;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        for (std::size_t letter = 0; letter < kDriveLetters; ++letter) {
            settings.startParams[Index(slot)][letter] = catalogue.StartParams(slot, Letter(letter));
        }
    }
    return settings;
}

template <typename Value> void TakeChange(Value& onDisk, const Value& asRead, const Value& now) {
    if (now != asRead) {
        onDisk = now;
    }
}

} // namespace

ConfigSettings SettingsAsRead(const ProgramCatalogue& catalogue, const LauncherConfig& config) {
    ConfigSettings settings = Settings(catalogue, config);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        settings.driveLetters[Index(slot)] = RememberedDrive(config, slot);
    }
    return settings;
}

ConfigSettings SettingsNow(const ProgramCatalogue& catalogue, const LauncherConfig& config) {
    ConfigSettings settings = Settings(catalogue, config);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        settings.driveLetters[Index(slot)] = catalogue.DriveLetter(slot);
    }
    return settings;
}

ConfigSettings MergeChanges(ConfigSettings onDisk, const ConfigSettings& asRead,
                            const ConfigSettings& now) {
    for (std::size_t slot = 0; slot < onDisk.driveLetters.size(); ++slot) {
        TakeChange(onDisk.driveLetters[slot], asRead.driveLetters[slot], now.driveLetters[slot]);
        for (std::size_t letter = 0; letter < kDriveLetters; ++letter) {
            TakeChange(onDisk.startParams[slot][letter], asRead.startParams[slot][letter],
                       now.startParams[slot][letter]);
        }
    }
    TakeChange(onDisk.installSourcePath, asRead.installSourcePath, now.installSourcePath);
    TakeChange(onDisk.windowsPrintMode, asRead.windowsPrintMode, now.windowsPrintMode);
    TakeChange(onDisk.printingEnabled, asRead.printingEnabled, now.printingEnabled);
    return onDisk;
}

void ApplySettings(const ConfigSettings& settings, ProgramCatalogue& catalogue,
                   LauncherConfig& config) {
    config.installSourcePath = settings.installSourcePath;
    config.windowsPrintMode = settings.windowsPrintMode;
    config.printingEnabled = settings.printingEnabled;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        catalogue.SetDriveLetter(slot, settings.driveLetters[Index(slot)]);
        for (std::size_t letter = 0; letter < kDriveLetters; ++letter) {
            catalogue.SetStartParams(slot, Letter(letter),
                                     settings.startParams[Index(slot)][letter]);
        }
    }
}

} // namespace zel
