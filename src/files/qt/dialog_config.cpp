#include "files/qt/dialog_config.h"

#include <QButtonGroup>
#include <algorithm>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QVBoxLayout>
#include <QValidator>

#include "gui/widgets/button_face.h"
#include "gui/widgets/hints.h"
#include "gui/widgets/qt_text.h"
#include "files/qt/dialog_buttons.h"
#include "files/qt/dialog_focus.h"
#include "files/qt/form_select_path_tree.h"
#include "model/codec.h"

namespace kestrin {

namespace {

const char* const kKindCaptions[5] = {"Пусто", "Префикс", "Псевдоним", "Идентификатор",
                                      "Постфикс"};
const char* const kKindNames[5] = {"RB_MaskEmpty", "RB_MaskPref", "RB_MaskName", "RB_MaskIdent",
                                   "RB_MaskSuff"};

const QColor kCaptionOn(128, 0, 0);
const QColor kCaptionOff(128, 128, 128);

// Mask texts become part of a file name: the nine characters a file name
// cannot hold are refused, and so are characters without a Windows-1251 byte
// (they would be stored as '?').
class MaskTextValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    for (const QChar c : input) {
      const char32_t u = c.unicode();
      if (c.isSurrogate() || u < 32 || u == 127) return Invalid;
      const int byte = UnicodeToCp1251(u);
      if (byte < 0 || IsRefusedMaskChar(static_cast<char>(byte))) return Invalid;
    }
    return Acceptable;
  }
};

// Limits what is typed, not what is put in: a longer folder set from the
// settings or the folder tree is kept whole, it may only shrink by typing.
class TypedLengthValidator : public QValidator {
 public:
  TypedLengthValidator(int maxTyped, QObject* parent)
      : QValidator(parent), max_(maxTyped), allowed_(maxTyped) {}
  void Allow(int length) { allowed_ = std::max(max_, length); }
  // The allowance shrinks with the text, never below the typed limit.
  State validate(QString& input, int&) const override {
    if (input.size() > allowed_) return Invalid;
    allowed_ = std::max(max_, static_cast<int>(input.size()));
    return Acceptable;
  }

 private:
  int max_;
  mutable int allowed_;
};

void SetCaptionColour(QGroupBox* group, const QColor& colour) {
  group->setStyleSheet(QStringLiteral("QGroupBox#%1::title { color: %2; }")
                           .arg(group->objectName(), colour.name()));
  group->setProperty("captionColour", colour);
}

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  return l;
}

QLineEdit* MakeEdit(const QString& name, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  FollowFocusColour(e);
  return e;
}

}  // namespace

TDialogConfig::TDialogConfig(ProgramSettings& settings, HintDisplay& hints,
                             TFormSelectPathTree* pathTree, std::shared_ptr<SettingsStore> store,
                             QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      hints_(hints),
      pathTree_(pathTree),
      store_(store ? std::move(store) : std::make_shared<SettingsStore>()) {
  Create();
}

TDialogConfig::~TDialogConfig() = default;

void TDialogConfig::Create() {
  setObjectName(QStringLiteral("DialogConfig"));
  setWindowTitle(QStringLiteral("Параметры работы"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  AssignHint(this, 2000);

  CB_HideHint = new QCheckBox(QStringLiteral("Скрыть всплывающие подсказки"), this);
  CB_HideHint->setObjectName(QStringLiteral("CB_HideHint"));
  AssignHint(CB_HideHint, 2001);
  FollowFocusColour(CB_HideHint);

  L_OpenMode = MakeLabel(QStringLiteral("L_OpenMode"),
                         QStringLiteral("Режим открытия/сохранения :"), this);
  AssignHint(L_OpenMode, 2002);
  RB_OpenNormal = new QRadioButton(QStringLiteral("обычный"), this);
  RB_OpenNormal->setObjectName(QStringLiteral("RB_OpenNormal"));
  AssignHint(RB_OpenNormal, 2003);
  RB_OpenList = new QRadioButton(QStringLiteral("список "), this);
  RB_OpenList->setObjectName(QStringLiteral("RB_OpenList"));
  AssignHint(RB_OpenList, 2004);
  auto* openGroup = new QButtonGroup(this);
  openGroup->addButton(RB_OpenNormal);
  openGroup->addButton(RB_OpenList);
  FollowFocusColour(RB_OpenNormal);
  FollowFocusColour(RB_OpenList);
  ForwardLabelClick(L_OpenMode, [this]() -> QWidget* {
    return RB_OpenList->isChecked() ? RB_OpenList : RB_OpenNormal;
  });

  L_SavePath = MakeLabel(QStringLiteral("L_SavePath"),
                         QStringLiteral("Каталог сохранения файлов:"), this);
  E_SavePath = MakeEdit(QStringLiteral("E_SavePath"), this);
  E_SavePath->setValidator(new TypedLengthValidator(16, E_SavePath));
  E_SavePath->setMinimumWidth(260);
  AssignHint(L_SavePath, 2005);
  AssignHint(E_SavePath, 2005);
  ForwardLabelClick(L_SavePath, [this] { return E_SavePath; });
  B_SavePath = new QPushButton(this);
  B_SavePath->setObjectName(QStringLiteral("B_SavePath"));
  B_SavePath->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  B_SavePath->setAccessibleName(QStringLiteral("Выбор папки"));
  AssignHint(B_SavePath, 2006);

  L_PortTM = MakeLabel(QStringLiteral("L_PortTM"), QStringLiteral("COM-порт iButton:"), this);
  ME_PortTM = MakeEdit(QStringLiteral("ME_PortTM"), this);
  ME_PortTM->setMaxLength(3);
  ME_PortTM->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), ME_PortTM));
  ME_PortTM->setText(QStringLiteral("123"));
  ForwardLabelClick(L_PortTM, [this] { return ME_PortTM; });

  CB_SaveMask = new QCheckBox(
      QStringLiteral("При сохранении формировать имя файла по маске :"), this);
  CB_SaveMask->setObjectName(QStringLiteral("CB_SaveMask"));
  AssignHint(CB_SaveMask, 2007);
  FollowFocusColour(CB_SaveMask);

  GB_SaveMask = new QGroupBox(QStringLiteral("Пораметры формирования имени файла"), this);
  GB_SaveMask->setObjectName(QStringLiteral("GB_SaveMask"));
  AssignHint(GB_SaveMask, 2100);

  L_MaskPref = MakeLabel(QStringLiteral("L_MaskPref"), QStringLiteral("Префикс:"), GB_SaveMask);
  E_MaskPref = MakeEdit(QStringLiteral("E_MaskPref"), GB_SaveMask);
  E_MaskPref->setMaxLength(kMaskTextMax);
  L_MaskSuff = MakeLabel(QStringLiteral("L_MaskSuff"), QStringLiteral("Постфикс:"), GB_SaveMask);
  E_MaskSuff = MakeEdit(QStringLiteral("E_MaskSuff"), GB_SaveMask);
  E_MaskSuff->setMaxLength(kMaskTextMax);
  AssignHint(L_MaskPref, 2110);
  AssignHint(E_MaskPref, 2110);
  AssignHint(L_MaskSuff, 2111);
  AssignHint(E_MaskSuff, 2111);
  ForwardLabelClick(L_MaskPref, [this] { return E_MaskPref; });
  ForwardLabelClick(L_MaskSuff, [this] { return E_MaskSuff; });
  for (QLineEdit* e : {E_MaskPref, E_MaskSuff}) {
    e->setValidator(new MaskTextValidator(e));
    e->setFixedWidth(130);
  }
  for (int i = 0; i < 3; ++i) {
    const QString n = QString::number(i + 1);
    L_MaskDelimiter[i] = MakeLabel(QStringLiteral("L_MaskDelimiter") + n,
                                   QStringLiteral("Разделитель №") + n + QLatin1Char(':'),
                                   GB_SaveMask);
    E_MaskDelimiter[i] = MakeEdit(QStringLiteral("E_MaskDelimiter") + n, GB_SaveMask);
    E_MaskDelimiter[i]->setMaxLength(kMaskDelimMax);
    E_MaskDelimiter[i]->setValidator(new MaskTextValidator(E_MaskDelimiter[i]));
    E_MaskDelimiter[i]->setFixedWidth(32);
    E_MaskDelimiter[i]->setAlignment(Qt::AlignCenter);
    AssignHint(L_MaskDelimiter[i], 2112 + i);
    AssignHint(E_MaskDelimiter[i], 2112 + i);
    QLineEdit* edit = E_MaskDelimiter[i];
    ForwardLabelClick(L_MaskDelimiter[i], [edit] { return edit; });
  }
  for (int n = 1; n <= kMaskElements; ++n) GB_Mask[n - 1] = CreateElementGroup(n);

  L_Example = MakeLabel(QStringLiteral("L_Example"),
                        QStringLiteral("Пример формирования имени файла по маске:"), GB_SaveMask);
  ST_Example = MakeLabel(QStringLiteral("ST_Example"), QString(), GB_SaveMask);
  ST_Example->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  ST_Example->setMinimumHeight(24);
  ST_Example->setTextInteractionFlags(Qt::TextSelectableByMouse);
  AssignHint(L_Example, 2130);
  AssignHint(ST_Example, 2130);

  B_OK = new QPushButton(QStringLiteral("Применить"), this);
  B_OK->setObjectName(QStringLiteral("B_OK"));
  B_OK->setToolTip(QStringLiteral("Применить сделанные настройки"));
  B_Cancel = new QPushButton(QStringLiteral("Отказаться"), this);
  B_Cancel->setObjectName(QStringLiteral("B_Cancel"));
  B_Cancel->setToolTip(QStringLiteral("Отменить изменения настроек"));
  for (QPushButton* b : {B_OK, B_Cancel}) b->setFixedSize(200, 34);
  SetButtonTag(B_OK, 2);
  SetButtonTag(B_Cancel, 1);
  AttachButtonFace(B_OK, DialogButtonImages(), QStringLiteral("Применить"), GlyphLayout::Left);
  AttachButtonFace(B_Cancel, DialogButtonImages(), QStringLiteral("Отказаться"),
                   GlyphLayout::Left);

  // Layout.
  auto* openRow = new QHBoxLayout;
  openRow->addWidget(L_OpenMode);
  openRow->addSpacing(8);
  openRow->addWidget(RB_OpenNormal);
  openRow->addSpacing(8);
  openRow->addWidget(RB_OpenList);
  openRow->addStretch();

  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(L_SavePath);
  pathRow->addWidget(E_SavePath, 1);
  pathRow->addWidget(B_SavePath);

  auto* portRow = new QHBoxLayout;
  portRow->addWidget(L_PortTM);
  portRow->addWidget(ME_PortTM);
  portRow->addStretch();

  auto* textRow = new QHBoxLayout;
  textRow->addWidget(L_MaskPref);
  textRow->addWidget(E_MaskPref);
  textRow->addSpacing(24);
  textRow->addWidget(L_MaskSuff);
  textRow->addWidget(E_MaskSuff);
  textRow->addStretch();

  auto* delimRow = new QHBoxLayout;
  for (int i = 0; i < 3; ++i) {
    if (i > 0) delimRow->addSpacing(24);
    delimRow->addWidget(L_MaskDelimiter[i]);
    delimRow->addWidget(E_MaskDelimiter[i]);
  }
  delimRow->addStretch();

  auto* elementRow = new QHBoxLayout;
  for (QGroupBox* g : GB_Mask) elementRow->addWidget(g);

  auto* maskLayout = new QVBoxLayout(GB_SaveMask);
  maskLayout->addLayout(textRow);
  maskLayout->addLayout(delimRow);
  maskLayout->addLayout(elementRow);
  maskLayout->addWidget(L_Example);
  maskLayout->addWidget(ST_Example);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(B_OK);
  buttons->addSpacing(24);
  buttons->addWidget(B_Cancel);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(CB_HideHint);
  layout->addLayout(openRow);
  layout->addLayout(pathRow);
  layout->addLayout(portRow);
  layout->addSpacing(6);
  layout->addWidget(CB_SaveMask);
  layout->addWidget(GB_SaveMask);
  layout->addSpacing(6);
  layout->addLayout(buttons);

  // Live reactions.
  connect(CB_HideHint, &QCheckBox::clicked, this, [this] { CB_HideHintClick(); });
  connect(CB_SaveMask, &QCheckBox::toggled, this, [this] { CB_SaveMaskClick(); });
  connect(RB_OpenList, &QRadioButton::toggled, this, [this] { RB_OpenModeClick(); });
  for (QLineEdit* e : {E_MaskPref, E_MaskSuff, E_MaskDelimiter[0], E_MaskDelimiter[1],
                       E_MaskDelimiter[2]})
    connect(e, &QLineEdit::textChanged, this, [this] { FormExampleText(); });
  connect(B_SavePath, &QPushButton::clicked, this, [this] { B_SavePathClick(); });
  connect(B_OK, &QPushButton::clicked, this, [this] { B_OKClick(); });
  connect(B_Cancel, &QPushButton::clicked, this, &QDialog::reject);
  EnterPressesFocusedButtonOnly(this);
}

QGroupBox* TDialogConfig::CreateElementGroup(int n) {
  auto* group = new QGroupBox(QStringLiteral("Элемент №%1").arg(n), GB_SaveMask);
  group->setObjectName(QStringLiteral("GB_Mask%1").arg(n));
  AssignHint(group, 2120);
  auto* buttons = new QButtonGroup(group);
  auto* layout = new QVBoxLayout(group);
  for (int kind = 0; kind < 5; ++kind) {
    auto* rb = new QRadioButton(QString::fromUtf8(kKindCaptions[kind]), group);
    rb->setObjectName(QString::fromLatin1(kKindNames[kind]) + QString::number(n));
    AssignHint(rb, 2121 + kind);
    FollowFocusColour(rb);
    buttons->addButton(rb, kind);
    layout->addWidget(rb);
    RB_Mask[n - 1][kind] = rb;
    connect(rb, &QRadioButton::clicked, this, [this] { FormExampleText(); });
  }
  return group;
}

void TDialogConfig::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TDialogConfig::FormShow() {
  CB_HideHint->setChecked(settings_.HideHint);
  L_PortTM->hide();
  ME_PortTM->hide();
  ME_PortTM->setText(QString::number(settings_.PortTM));

  const QString path = QString::fromStdString(settings_.ListPathSave);
  static_cast<TypedLengthValidator*>(const_cast<QValidator*>(E_SavePath->validator()))
      ->Allow(path.size());
  E_SavePath->setText(path);

  RB_OpenList->setChecked(settings_.ListModeOpenSave);
  RB_OpenNormal->setChecked(!settings_.ListModeOpenSave);
  RB_OpenModeClick();

  EnableMaskItems(settings_.MaskMode);
  CB_SaveMask->setChecked(settings_.MaskMode);

  const QSignalBlocker b1(E_MaskPref), b2(E_MaskSuff), b3(E_MaskDelimiter[0]),
      b4(E_MaskDelimiter[1]), b5(E_MaskDelimiter[2]);
  E_MaskPref->setText(ToQ(settings_.MaskPref));
  E_MaskSuff->setText(ToQ(settings_.MaskSuff));
  for (int i = 0; i < 3; ++i) E_MaskDelimiter[i]->setText(ToQ(settings_.MaskDelim(i + 1)));
  for (int n = 1; n <= kMaskElements; ++n)
    RB_Mask[n - 1][MaskKindOrDefault(settings_.MaskIdent(n), n)]->setChecked(true);

  FormExampleText();
  B_Cancel->setFocus();
}

void TDialogConfig::EnableMaskItems(bool on) {
  GB_SaveMask->setEnabled(on);
  // Children follow the group; named here too so each reads as the table says.
  for (QWidget* w : GB_SaveMask->findChildren<QWidget*>()) w->setEnabled(on);
  const QColor colour = on ? kCaptionOn : kCaptionOff;
  SetCaptionColour(GB_SaveMask, colour);
  for (QGroupBox* g : GB_Mask) SetCaptionColour(g, colour);
}

int TDialogConfig::CheckedKind(int element) const {
  for (int kind = 0; kind < 5; ++kind)
    if (RB_Mask[element - 1][kind]->isChecked()) return kind;
  return DefaultMaskKind(element);
}

void TDialogConfig::FormExampleText() {
  const std::array<int, kMaskElements> kinds = {CheckedKind(1), CheckedKind(2), CheckedKind(3),
                                                CheckedKind(4)};
  const std::string name =
      ComposeFileName(kinds, FromQ(E_MaskPref->text()), SampleAlias(), SampleIdent(),
                      FromQ(E_MaskSuff->text()),
                      {FromQ(E_MaskDelimiter[0]->text()), FromQ(E_MaskDelimiter[1]->text()),
                       FromQ(E_MaskDelimiter[2]->text())});
  ST_Example->setText(ToQ(name));
}

QString TDialogConfig::ExampleText() const { return ST_Example->text(); }

void TDialogConfig::CB_HideHintClick() { hints_.SetHidden(CB_HideHint->isChecked()); }

void TDialogConfig::CB_SaveMaskClick() { EnableMaskItems(CB_SaveMask->isChecked()); }

void TDialogConfig::RB_OpenModeClick() {
  const bool list = RB_OpenList->isChecked();
  L_SavePath->setEnabled(list);
  E_SavePath->setEnabled(list);
  B_SavePath->setEnabled(list);
}

void TDialogConfig::B_SavePathClick() {
  if (pathTree_) {
    pathTree_->SetSelectedPath(E_SavePath->text());
    // A tree left without a chosen node answers "<none>", which is no folder.
    if (pathTree_->exec() == QDialog::Accepted &&
        pathTree_->SelectedPath() != TFormSelectPathTree::NoneText()) {
      const QString path = pathTree_->SelectedPath();
      static_cast<TypedLengthValidator*>(const_cast<QValidator*>(E_SavePath->validator()))
          ->Allow(path.size());
      E_SavePath->setText(path);
    }
  }
  E_SavePath->setFocus();
}

void TDialogConfig::B_OKClick() {
  const QString port = ME_PortTM->text().trimmed();
  settings_.PortTM = port.isEmpty() ? 0 : port.toInt();
  settings_.ListModeOpenSave = RB_OpenList->isChecked();
  settings_.ListPathSave = WithTrailingDelimiter(E_SavePath->text().toStdString());
  settings_.HideHint = CB_HideHint->isChecked();
  hints_.SetHidden(settings_.HideHint);
  settings_.MaskMode = CB_SaveMask->isChecked();
  settings_.MaskPref = FromQ(E_MaskPref->text());
  settings_.MaskSuff = FromQ(E_MaskSuff->text());
  for (int i = 0; i < 3; ++i) settings_.SetMaskDelim(i + 1, FromQ(E_MaskDelimiter[i]->text()));
  for (int n = 1; n <= kMaskElements; ++n) settings_.SetMaskIdent(n, CheckedKind(n));
  SaveSettings(settings_, *store_);
  accept();
}

}  // namespace kestrin
