#pragma once
// The window's edge between Qt strings and the model's Windows-1251 bytes.
#include <QString>
#include <string>

#include "model/codec.h"

namespace kestrin {

inline QString ToQ(const std::string& cp1251) {
  return QString::fromStdString(Cp1251ToUtf8(cp1251));
}

inline std::string FromQ(const QString& text, bool* lossless = nullptr) {
  return Utf8ToCp1251(text.toStdString(), lossless);
}

}  // namespace kestrin
