#pragma once
// The edge between the core's code page 1250 texts and Qt's Unicode strings.

#include <QString>
#include <string>
#include <string_view>

namespace zel {

QString FromCp1250(std::string_view cp1250);
std::string ToCp1250(const QString& text);

} // namespace zel
