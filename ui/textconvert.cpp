#include "ui/textconvert.h"

namespace tymba {

std::u16string toCore(const QString& boxText) {
  std::u16string result;
  result.reserve(boxText.size() + boxText.size() / 32);
  for (const QChar ch : boxText) {
    // QPlainTextEdit separates paragraphs with U+2029 in some paths.
    if (ch == QLatin1Char('\n') || ch == QChar::ParagraphSeparator) {
      result += u"\r\n";
    } else if (ch != QLatin1Char('\r')) {
      result.push_back(ch.unicode());
    }
  }
  return result;
}

QString toBox(std::u16string_view coreText) {
  QString result;
  result.reserve(static_cast<qsizetype>(coreText.size()));
  for (std::size_t i = 0; i < coreText.size(); ++i) {
    const char16_t c = coreText[i];
    if (c == u'\r') {
      result.append(QLatin1Char('\n'));
      if (i + 1 < coreText.size() && coreText[i + 1] == u'\n') ++i;
    } else {
      result.append(QChar(c));
    }
  }
  return result;
}

QString toQString(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

std::u16string fromQString(const QString& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                        static_cast<std::size_t>(text.size()));
}

}  // namespace tymba
