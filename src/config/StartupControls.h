#pragma once
// The main window's controls the start-up scan sets: the ones that hold the configuration
// file's install path and print switches while the panel runs, and the sixty rows.

#include "config/LauncherConfig.h"
#include "config/RowState.h"

namespace zel {

class StartupControls {
public:
    virtual ~StartupControls() = default;
    // Install path, print mode and printing state into their controls.
    virtual void ApplyConfig(const LauncherConfig& config) = 0;
    // Every row its entries, text, colour and enabled state; then the main window repainted.
    virtual void ApplyRowStates(const RowStates& states) = 0;
};

} // namespace zel
