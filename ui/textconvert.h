#pragma once
// The one place where texts cross between the core (UTF-16 with CR LF line
// breaks) and Qt's text boxes (a single LF per line break).

#include <QString>
#include <string>
#include <string_view>

namespace tymba {

std::u16string toCore(const QString& boxText);
QString toBox(std::u16string_view coreText);
// A core string shown as it is (labels, titles): no line-break conversion.
QString toQString(std::u16string_view text);
std::u16string fromQString(const QString& text);

}  // namespace tymba
