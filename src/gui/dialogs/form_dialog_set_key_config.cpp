#include "gui/dialogs/form_dialog_set_key_config.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/widgets/focus_colours.h"
#include "gui/widgets/hints.h"
#include "gui/widgets/input_filter_qt.h"
#include "gui/dialogs/dialog_common.h"
#include "model/messages.h"

namespace kestrin {

using dialogs::MakeResultButton;
using dialogs::MakeText;
using dialogs::TextLook;

namespace {
constexpr int kWidth = 780;
// The window heights count the title bar and borders; Qt sizes the client
// area, so take a usual caption and frame off.
constexpr int kTitleAndBorders = 28;
constexpr int kDesignHeight = 192 - kTitleAndBorders;
constexpr int kOpeningHeight = TFormDialogSetKeyConfig::kOpeningWindowHeight - kTitleAndBorders;
}  // namespace

TFormDialogSetKeyConfig::TFormDialogSetKeyConfig(QWidget* parent)
    : CentredDialog(parent, kResultCancel) {
  dialogs::MakeFixedWindow(this, "FormDialogSetKeyConfig", QStringLiteral("Ключ шифрования"),
                           Qt::Dialog, QSize(kWidth, kDesignHeight));

  const TextLook look{19, true, true, false, QColor(128, 0, 0)};
  recommendation_ = MakeText(this, "StaticTextRecomendation",
                             QStringLiteral("Задайте ключ шифрования файла конфигурации"), look,
                             QRect(9, 8, 745, 28), Qt::AlignHCenter | Qt::AlignTop);
  errorKey_ = MakeText(this, "StaticTextErrorKey", QString::fromUtf8(kMsgWrongKey),
                       look, QRect(16, 34, 745, 25), Qt::AlignHCenter | Qt::AlignTop);
  errorKey_->hide();
  newKey_ = MakeText(this, "StaticTextNew", QStringLiteral("Новый/текущий ключ:"), look,
                     QRect(8, 34, 234, 25));

  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("EditKEYConfig"));
  edit_->setGeometry(8, 61, 761, 28);
  QFont mono(QStringLiteral("Courier New"));
  mono.setPixelSize(19);
  mono.setBold(true);
  edit_->setFont(mono);
  QPalette pal = edit_->palette();
  pal.setColor(QPalette::Text, Qt::black);
  edit_->setPalette(pal);
  edit_->setMaxLength(kKeyMaxLength);
  InstallKeyFilter(edit_, InputFilter::TextSpace);
  TrackFocusColour(edit_);

  ok_ = MakeResultButton(this, "BtnOK", QStringLiteral("Применить"), 2,
                         QRect(115, 109, 200, 32), kResultApply);
  ok_->setToolTip(QStringLiteral("Применить сделанные настройки"));
  ok_->setDefault(true);
  cancel_ = MakeResultButton(this, "BtnCancel", QStringLiteral("Отказаться"), 1,
                             QRect(435, 109, 200, 32), kResultCancel);
  cancel_->setToolTip(QStringLiteral("Отменить изменения настроек"));

  AssignHint(this, 1);
}

void TFormDialogSetKeyConfig::SetOpeningLayout() {
  newKey_->hide();
  setFixedSize(kWidth, kOpeningHeight);
  ok_->move(ok_->x(), 96);
  cancel_->move(cancel_->x(), 96);
}

void TFormDialogSetKeyConfig::SetErrorKeyVisible(bool visible) { errorKey_->setVisible(visible); }

bool TFormDialogSetKeyConfig::ErrorKeyVisible() const { return !errorKey_->isHidden(); }

QString TFormDialogSetKeyConfig::KeyText() const { return edit_->text(); }

void TFormDialogSetKeyConfig::SetKeyText(const QString& text) {
  // The key filter judges what is typed, not what a caller puts in.
  const QValidator* filter = edit_->validator();
  edit_->setValidator(nullptr);
  edit_->setText(text.left(kKeyMaxLength));
  edit_->setValidator(filter);
}

QWidget* TFormDialogSetKeyConfig::FirstFocus() const { return edit_; }

}  // namespace kestrin
