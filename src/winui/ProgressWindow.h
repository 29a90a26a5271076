#pragma once
// TForm5, the small window the start-up scan counts through the drive letters in. It is
// shown over the main window while the scan runs, before the event loop, and closed by the
// program body once the remaining windows exist.

#include "config/ProgressView.h"
#include "winui/NativeWindow.h"

namespace zel {

class ProgressWindow final : public NativeWindow, public ProgressView {
public:
    // The window it is centred on and shown over; not its owner, as both stand alone.
    explicit ProgressWindow(HWND mainWindow);
    ~ProgressWindow() override = default;

    // Hidden, not destroyed.
    void Close();

    void ShowOverMainWindow() override;
    void SetGauge(int progress) override;
    void SetLabel(std::string_view text) override;

private:
    HWND m_mainWindow;
    HWND m_gauge = nullptr;
    HWND m_label = nullptr;
};

} // namespace zel
