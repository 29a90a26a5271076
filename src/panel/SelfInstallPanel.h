#pragma once
// The self-installation window's behaviour (TForm2): the launcher copies itself to the chosen
// drive with its configuration file and shortcuts, its gauge moving with the copy. In normal
// mode the window is made at start and seldom shown: its drives are listed as they are when
// it is first shown or started, whichever comes first, and kept from then on. A face
// forwards its controls' events here by the control's form name.

#include "panel/ControlEvents.h"
#include "panel/MessageQueue.h"
#include "panel/PanelMessages.h"
#include "panel/SelfInstallView.h"
#include "platform/Platform.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

class SelfInstallPanel final : public ControlEvents {
public:
    // The shortcut boxes start as the window's description ticks them.
    SelfInstallPanel(Platform& platform, SelfInstallView& view, MessageQueue& messages,
                     ErrorHandler onError);

    // The window is being shown.
    void Shown() { ListDrives(); }

    // The window's controls, by their form names.
    void Clicked(std::string_view control) override;
    void Checked(std::string_view control, bool checked) override;
    void Chosen(std::string_view control, std::size_t index) override;

    // The user chose the drive list's entry at index, or ticked or cleared a shortcut box
    // (CheckBox1, CheckBox2).
    void ChooseDrive(std::size_t index);
    void ChooseProgramGroup(bool chosen) { m_programGroup = chosen; }
    void ChooseDesktopShortcut(bool chosen) { m_desktopShortcut = chosen; }
    // Start (Button1). A failure reaches the error handler; success is told with a message
    // whose OK closes the window.
    void Install();

private:
    void ListDrives();

    Platform& m_platform;
    SelfInstallView& m_view;
    MessageQueue& m_messages;
    ErrorHandler m_onError;
    bool m_listed = false;
    std::vector<std::string> m_drives;
    std::size_t m_chosen = 0;
    bool m_programGroup = false;
    bool m_desktopShortcut = false;
};

} // namespace zel
