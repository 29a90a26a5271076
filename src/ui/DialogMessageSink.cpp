#include "ui/DialogMessageSink.h"

#include "ui/MessageDialog.h"
#include "ui/QtText.h"

namespace zel {

DialogMessageSink::DialogMessageSink(MessageDialog& dialog, QWidget* owner)
    : m_dialog(&dialog), m_owner(owner), m_ownerless(owner == nullptr) {}

void DialogMessageSink::ShowMessage(std::string_view text, MessageKind kind,
                                    std::string_view detail) {
    if (!m_dialog) {
        return;
    }
    // An owner that is gone leaves the message without one rather than lost.
    QWidget* owner = m_ownerless || !m_owner ? nullptr : m_owner.data();
    m_dialog->ShowMessageDialog(owner, FromCp1250(text), kind, FromCp1250(detail));
}

void DialogMessageSink::WaitForMessage() {
    MessageDialog::WaitUntilHidden(m_dialog);
}

} // namespace zel
