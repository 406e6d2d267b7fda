#pragma once
// Input filters on Qt edit fields. A typed character is mapped to its
// Windows-1251 byte and refused when it has none or the byte is not in the set.
#include <QString>

#include "model/input_filters.h"

class QLineEdit;

namespace kestrin {

// Whether the filter lets the character through.
bool FilterAllowsChar(InputFilter filter, QChar ch);
// The text without every character the filter refuses.
QString FilterQString(InputFilter filter, const QString& text);

// Key filter: a refused typed character is dropped silently, the caret stays;
// pasted text loses what is not allowed.
void InstallKeyFilter(QLineEdit* edit, InputFilter filter);
// Change filter: after every change of the text what is not allowed is
// removed and the caret goes after the last character.
void InstallChangeFilter(QLineEdit* edit, InputFilter filter);

}  // namespace kestrin
