#pragma once
// The launcher's windows, each described once (panel/WindowDescription.h).

#include "panel/WindowDescription.h"

namespace zel {

// TForm5: the start-up scan's progress.
[[nodiscard]] const WindowDescription& ProgressWindowDescription();
// TForm4: the message dialog.
[[nodiscard]] const WindowDescription& MessageDialogDescription();
// TForm3: a row's start parameters.
[[nodiscard]] const WindowDescription& SettingsDialogDescription();
// TForm2: the self-installation.
[[nodiscard]] const WindowDescription& SelfInstallWindowDescription();

} // namespace zel
