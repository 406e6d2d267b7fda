#include "gui/widgets/input_filter_qt.h"

#include <algorithm>

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
  FilterValidator(InputFilter filter, bool changeFilter, QLineEdit* edit)
      : QValidator(edit), filter_(filter), changeFilter_(changeFilter), last_(edit->text()) {
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { last_ = text; });
  }

  State validate(QString& input, int& pos) const override {
    // The key filter judges only what was just typed or pasted: the part of
    // the text between what it shares with the last text at both ends.
    qsizetype first = 0;
    qsizetype end = input.size();
    if (!changeFilter_) {
      const qsizetype common = std::min(input.size(), last_.size());
      while (first < common && input[first] == last_[first]) ++first;
      qsizetype tail = 0;
      while (tail < common - first &&
             input[input.size() - 1 - tail] == last_[last_.size() - 1 - tail])
        ++tail;
      end = input.size() - tail;
    }
    QString out;
    out.reserve(input.size());
    int newPos = pos;
    for (qsizetype i = 0; i < input.size(); ++i) {
      if (i < first || i >= end || FilterAllowsChar(filter_, input[i])) {
        out.append(input[i]);
      } else if (i < pos) {
        --newPos;
      }
    }
    input = out;
    pos = changeFilter_ ? static_cast<int>(input.size()) : newPos;
    return Acceptable;
  }

 private:
  InputFilter filter_;
  bool changeFilter_;
  QString last_;
};

}  // namespace

void InstallKeyFilter(QLineEdit* edit, InputFilter filter) {
  if (edit) edit->setValidator(new FilterValidator(filter, false, edit));
}

void InstallChangeFilter(QLineEdit* edit, InputFilter filter) {
  if (edit) edit->setValidator(new FilterValidator(filter, true, edit));
}

}  // namespace kestrin
