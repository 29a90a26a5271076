#pragma once
// The old dialogs put every control on one raised panel with an equal margin all round, and
// kept the window at that size, centred on the screen. Such a window is made here from its
// description, and the control that had the focus gets it back when the window is active
// again.

#include "winui/ActivationFocus.h"
#include "winui/ControlBuilder.h"
#include "winui/NativeWindow.h"

#include <span>
#include <string_view>

namespace zel {

class PanelForm : public NativeWindow {
protected:
    // Makes the window hidden, with its controls; firstControl has the focus when the window
    // is first activated.
    PanelForm(const WindowDescription& description, DWORD style, DWORD exStyle, HWND owner,
              std::span<const DescribedId> ids, std::string_view firstControl);

    [[nodiscard]] const DescribedControls& Controls() const { return m_controls; }

    // Activation gives the focus back, WM_PAINT draws the panel's bevel and
    // WM_WINDOWPOSCHANGING keeps the size, so the user cannot change it.
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Bounds m_panel;
    Bounds m_keptBounds;
    DescribedControls m_controls;
    HWND m_firstControl = nullptr;
    ActivationFocus m_activation{m_firstControl};
};

} // namespace zel
