#pragma once
// TForm5, the small window the start-up scan counts through the drive letters in. It is
// shown over the main window while the scan runs, before the event loop, and closed by the
// program body once the remaining windows exist.

#include "config/ProgressView.h"

#include <QWidget>

class QLabel;
class QProgressBar;

namespace zel {

class ProgressWindow final : public QWidget, public ProgressView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProgressWindow)

public:
    // The window it is centred on and shown over; not its parent, as both stand alone.
    explicit ProgressWindow(QWidget& mainWindow);
    ~ProgressWindow() override = default;

    void ShowOverMainWindow() override;
    void SetGauge(int progress) override;
    void SetLabel(std::string_view text) override;

private:
    void CentreOnMainWindow();

    QWidget& m_mainWindow;
    QProgressBar* m_gauge = nullptr;
    QLabel* m_label = nullptr;
};

} // namespace zel
