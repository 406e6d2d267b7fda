#pragma once
// The window's edge between Qt strings and the model's Windows-1251 bytes.
#include <QString>
#include <string>

#include "model/codec.h"

namespace kestrin {

// Straight into UTF-16 (every Windows-1251 byte has a character of the basic
// plane): no UTF-8 copy on the way, which for a text of megabytes counts.
inline QString ToQ(const std::string& cp1251) {
  QString out(static_cast<qsizetype>(cp1251.size()), Qt::Uninitialized);
  QChar* d = out.data();
  for (unsigned char b : cp1251) *d++ = QChar(static_cast<char16_t>(Cp1251ToUnicode(b)));
  return out;
}

inline std::string FromQ(const QString& text, bool* lossless = nullptr) {
  return Utf8ToCp1251(text.toStdString(), lossless);
}

}  // namespace kestrin
