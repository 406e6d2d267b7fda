#include "editor/input_filter_qt.h"

#include <QLineEdit>
#include <QValidator>

#include "model/codec.h"

namespace kestrin {

bool FilterAllowsChar(InputFilter filter, QChar ch) {
  // Backspace is handled by the edit itself; it is never part of a text.
  if (ch.unicode() == 8) return false;
  const int byte = UnicodeToCp1251(ch.unicode());
  return byte >= 0 && FilterAllows(filter, static_cast<unsigned char>(byte));
}

QString FilterQString(InputFilter filter, const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar ch : text) {
    // A surrogate half has no Windows-1251 byte, so characters outside the
    // basic plane are dropped as a whole.
    if (FilterAllowsChar(filter, ch)) out.append(ch);
  }
  return out;
}

namespace {

// QLineEdit takes a validator's changed text as the new content, so one
// validator serves typing and pasting alike.
class FilterValidator : public QValidator {
 public:
  FilterValidator(InputFilter filter, bool caretToEnd, QObject* parent)
      : QValidator(parent), filter_(filter), caretToEnd_(caretToEnd) {}

  State validate(QString& input, int& pos) const override {
    QString out;
    out.reserve(input.size());
    int newPos = pos;
    for (int i = 0; i < input.size(); ++i) {
      if (FilterAllowsChar(filter_, input[i])) {
        out.append(input[i]);
      } else if (i < pos) {
        --newPos;
      }
    }
    input = out;
    pos = caretToEnd_ ? static_cast<int>(input.size()) : newPos;
    return Acceptable;
  }

 private:
  InputFilter filter_;
  bool caretToEnd_;
};

}  // namespace

void InstallKeyFilter(QLineEdit* edit, InputFilter filter) {
  if (edit) edit->setValidator(new FilterValidator(filter, false, edit));
}

void InstallChangeFilter(QLineEdit* edit, InputFilter filter) {
  if (edit) edit->setValidator(new FilterValidator(filter, true, edit));
}

}  // namespace kestrin
