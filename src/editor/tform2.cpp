#include "editor/tform2.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include "gui/widgets/button_face.h"
#include "gui/widgets/hints.h"
#include "editor/tab_common.h"
#include "editor/tab_gprs.h"
#include "editor/tab_gsm.h"
#include "editor/tab_indic.h"
#include "editor/tab_keys.h"
#include "editor/tab_lan.h"
#include "editor/tab_mode.h"
#include "editor/tab_parts.h"
#include "editor/tab_pk4.h"
#include "editor/tab_rele.h"
#include "editor/tab_shleifs.h"
#include "editor/tab_sms.h"
#include "editor/tab_smsk.h"
#include "gui/widgets/qt_text.h"
#include "files/qt/list_file_config.h"
#include "files/qt/dialog_config.h"
#include "files/qt/file_dialogs.h"
#include "files/qt/form_logical_disks.h"
#include "files/qt/form_select_path_tree.h"
#include "gui/dialogs/dialog_message_service.h"

namespace kestrin {

namespace {

// Tags of the main window's buttons (their faces come from the caption table).
enum ButtonTagValue {
  kTagOpen = 1, kTagPrint = 2, kTagSaveToDevice = 3, kTagSave = 4, kTagDefault = 6, kTagConfig = 7
};

}  // namespace

QString TForm2::ButtonCaption(int tag) {
  if (tag < 0) tag = -tag;
  switch (tag) {
    case kTagOpen: return QStringLiteral("Открыть");
    case kTagPrint: return QStringLiteral("Печать");
    case kTagSaveToDevice: return QStringLiteral("В устройство...");
    case kTagSave: return QStringLiteral("Сохранить");
    case kTagDefault: return QStringLiteral("По-умолчанию");
    case kTagConfig: return QStringLiteral("Настройки");
    default: return {};
  }
}

TForm2::TForm2(TForm2Options options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)) {
  setObjectName(QStringLiteral("Form2"));
  if (options_.fileDialogs) {
    fileDialogs_ = options_.fileDialogs;
  } else {
    ownDialogs_ = std::make_unique<QtFileDialogs>();
    fileDialogs_ = ownDialogs_.get();
  }
  doc_.debug = ParseCommandLine(options_.args).debug;
  store_ = options_.settings ? options_.settings : std::make_shared<SettingsStore>();
  if (options_.programFolder.empty()) {
    options_.programFolder =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'))
            .toStdString();
  }
  FormCreate();
  CreateCompanions();
}

TForm2::~TForm2() = default;

void TForm2::FormCreate() {
  // The models are program-wide; the window only sets its own things up here.
  settings_ = DefaultSettings(options_.programFolder);
  settings_.ProgramFolder = options_.programFolder;
  LoadSettings(settings_, *store_);
  hints_.SetHidden(settings_.HideHint);
  toolTipPalette_ = QToolTip::palette();

  central_ = new QWidget(this);
  auto* layout = new QVBoxLayout(central_);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);
  setCentralWidget(central_);

  PagesParam = new QTabWidget(central_);
  PagesParam->setObjectName(QStringLiteral("PagesParam"));
  layout->addWidget(PagesParam, 1);
  CreateTabs();
  CreateListMode();
  layout->addWidget(listPanel_, 1);
  CreateButtons();
  layout->addWidget(buttonRow_);
  CreateShortcuts();
  CreateCompareCommand();

  ConnectFocusTracking();
  WatchEdits();
  PagesParam->setCurrentIndex(0);
  PagesParam->hide();  // until the first configuration is shown
  SetTitle(QString());
  resize(980, 720);
}

void TForm2::CreateTabs() {
  T_Command_DEVICE& model = doc_.edited;
  Tab_Common = new TabCommon(model, PagesParam);
  Tab_Mode = new TabMode(model, PagesParam);
  Tab_Indic = new TabIndic(model, PagesParam);
  Tab_Parts = new TabParts(model, PagesParam);
  Tab_Shleifs = new TabShleifs(model, PagesParam);
  Tab_Rele = new TabRele(model, PagesParam);
  Tab_Keys = new TabKeys(model, PagesParam);
  Tab_Keys->SetFileDialogs(fileDialogs_);
  Tab_SMS = new TabSMS(model, PagesParam);
  Tab_SMSK = new TabSMSK(model, PagesParam);
  Tab_GSM = new TabGSM(model, PagesParam);
  Tab_PK4 = new TabPK4(model, PagesParam);
  Tab_GPRS = new TabGPRS(model, PagesParam);
  Tab_LAN = new TabLAN(model, PagesParam);

  TabDebug = new QWidget(PagesParam);
  TabDebug->setObjectName(QStringLiteral("TabDebug"));
  auto* debugLayout = new QVBoxLayout(TabDebug);
  auto* heading = new QLabel(QStringLiteral("Текстовый файл конфигурации:"), TabDebug);
  Memo1 = new QPlainTextEdit(TabDebug);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setFont(QFont(QStringLiteral("Courier New"), 10));
  heading->setBuddy(Memo1);
  debugLayout->addWidget(heading);
  debugLayout->addWidget(Memo1, 1);

  struct Page {
    QWidget* sheet;
    const char* caption;
    int hint;
    bool shown;
  };
  const Page pages[] = {
      {Tab_Common, "Общие", 100, true},   {Tab_Mode, "Режимы", 200, false},
      {Tab_Indic, "Индикация", 300, true}, {Tab_Parts, "Разделы", 400, true},
      {Tab_Shleifs, "Шлейфы", 500, true}, {Tab_Rele, "Реле", 600, true},
      {Tab_Keys, "Ключи", 700, true},     {Tab_SMS, "SMS", 0, false},
      {Tab_SMSK, "SMS-К", 0, false},      {Tab_GSM, "GSM-дозвон", 0, false},
      {Tab_PK4, "IP/UDP", 0, false},      {Tab_GPRS, "GPRS", 0, false},
      {Tab_LAN, "Ethernet", 0, false},    {TabDebug, "Текст", 0, false},
  };
  for (const Page& page : pages) {
    int index = PagesParam->addTab(page.sheet, QString::fromUtf8(page.caption));
    if (page.hint) PagesParam->setTabToolTip(index, HintText(page.hint));
    sheets_.push_back(page.sheet);
  }

  // Set-up in the fixed order; the communication tabs only hide themselves.
  for (TabSheet* tab : std::initializer_list<TabSheet*>{
           Tab_Common, Tab_Mode, Tab_Indic, Tab_Parts, Tab_Shleifs, Tab_Rele, Tab_Keys, Tab_SMS,
           Tab_SMSK, Tab_GSM, Tab_PK4, Tab_GPRS, Tab_LAN}) {
    tab->Create();
  }
  AdoptModeGroups();

  for (size_t i = 0; i < std::size(pages); ++i) {
    bool shown = pages[i].shown || (pages[i].sheet == TabDebug && doc_.debug);
    PagesParam->setTabVisible(static_cast<int>(i), shown);
  }

  StaticTextStatus = Tab_Common->findChild<QLabel*>(QStringLiteral("StaticTextStatus"));
  if (!StaticTextStatus) {
    // The Common tab has no status line of its own: keep one above the pages.
    StaticTextStatus = new QLabel(central_);
    StaticTextStatus->setObjectName(QStringLiteral("StaticTextStatus"));
    static_cast<QVBoxLayout*>(central_->layout())->addWidget(StaticTextStatus);
  }
  QFont statusFont = StaticTextStatus->font();
  statusFont.setBold(true);
  StaticTextStatus->setFont(statusFont);

  connect(PagesParam, &QTabWidget::currentChanged, this, &TForm2::PagesParamChange);
}

void TForm2::CreateButtons() {
  buttonRow_ = new QWidget(central_);
  buttonRow_->setObjectName(QStringLiteral("P_Buttons"));
  auto* row = new QHBoxLayout(buttonRow_);
  row->setContentsMargins(0, 0, 0, 0);
  struct Def {
    QPushButton** button;
    const char* name;
    int tag;
    int hint;
    void (TForm2::*click)();
  };
  const Def defs[] = {
      {&B_Open, "B_Open", kTagOpen, 10, &TForm2::B_OpenClick},
      {&B_Print, "B_Print", kTagPrint, 11, &TForm2::B_PrintClick},
      {&B_SaveToDevice, "B_SaveToDevice", kTagSaveToDevice, 12, &TForm2::B_SaveToDeviceClick},
      {&B_Save, "B_Save", kTagSave, 13, &TForm2::B_SaveClick},
      {&B_Default, "B_Default", kTagDefault, 14, &TForm2::B_DefaultClick},
      {&B_Config, "B_Config", kTagConfig, 15, &TForm2::B_ConfigClick},
  };
  for (const Def& def : defs) {
    auto* button = new QPushButton(buttonRow_);
    button->setObjectName(QString::fromLatin1(def.name));
    button->setMinimumSize(140, 62);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    SetButtonTag(button, def.tag);
    QString caption = ButtonCaption(def.tag);
    button->setAccessibleName(caption);
    AttachButtonFace(button, MainButtonImages(), caption, GlyphLayout::Top);
    AssignHint(button, def.hint);
    connect(button, &QPushButton::clicked, this, def.click);
    row->addWidget(button);
    *def.button = button;
  }
}

void TForm2::CreateCompanions() {
  if (options_.messages) {
    messages_ = options_.messages;
  } else {
    ownMessages_ = std::make_unique<DialogMessageService>(this);
    messages_ = ownMessages_.get();
  }
  workflow_ = std::make_unique<DocumentWorkflow>(doc_, *messages_, options_.reportDialogs,
                                                 options_.writer);
  // The keys export is told and written as the window's own commands are
  // (the tabs exist before the message service does).
  Tab_Keys->SetMessages(messages_);
  Tab_Keys->SetFileWriter(&workflow_->Writer());
  formLogicalDisks_ = new TFormLogicalDisks(options_.drives, this);
  formSelectPathTree_ = new TFormSelectPathTree(options_.drives, this);
  dialogConfig_ = new TDialogConfig(settings_, hints_, formSelectPathTree_, *store_, this);
  messages_->PrepareKeyForOpening();
}

void TForm2::SetTitle(const QString& path) {
  // "[*]": Qt shows "*" there while the configuration has unsaved edits.
  setWindowTitle(QString::fromStdString(WindowTitle(QDir::toNativeSeparators(path).toStdString())) +
                 QStringLiteral("[*]"));
}

void TForm2::SyncDebugMemo() {
  if (!Memo1) return;
  // The text tab exists only with "-debug": filling a hidden memo with a
  // file of millions of lines took most of a hostile file's opening, and
  // even a shown one holds only the head of such a file.
  if (!doc_.debug) {
    Memo1->clear();
    return;
  }
  constexpr size_t kMemoMaxLines = 20000;
  constexpr size_t kMemoMaxBytes = 2u << 20;
  QStringList lines;
  for (const std::string& line : doc_.text.Lines(kMemoMaxLines, kMemoMaxBytes)) lines << ToQ(line);
  if (const size_t rest = doc_.text.LineCount() - static_cast<size_t>(lines.size()); rest > 0) {
    lines << QStringLiteral("... (ещё строк: %1)").arg(rest);
  }
  Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

void TForm2::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

}  // namespace kestrin
