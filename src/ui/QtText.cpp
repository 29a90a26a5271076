#include "ui/QtText.h"

#include "text/CodePage1250.h"

namespace zel {

QString FromCp1250(std::string_view cp1250) {
    const std::string utf8 = Cp1250ToUtf8(cp1250);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToCp1250(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToCp1250(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

} // namespace zel
