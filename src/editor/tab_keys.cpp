#include "editor/tab_keys.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/widgets/focus_colours.h"
#include "editor/grid_editors.h"
#include "editor/keys_find.h"
#include "files/qt/file_dialogs.h"
#include "gui/widgets/hints.h"
#include "gui/widgets/qt_text.h"
#include "model/catalogues.h"
#include "model/tab_rules.h"

namespace kestrin {

namespace {
QFont CodeFont(const QFont& gridFont) {
  QFont f(QStringLiteral("Courier"));
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  f.setBold(gridFont.bold());
  if (gridFont.pointSizeF() > 0) f.setPointSizeF(gridFont.pointSizeF() + 2);
  return f;
}
}  // namespace

TabKeys::TabKeys(T_Command_DEVICE& model, QWidget* parent) : TabSheet(model, "Tab_Keys", parent) {
  auto* column = new QVBoxLayout(this);
  SG_Keys = new StringGrid(kKeyCount + 1, 5, "SG_Keys", this);
  const int total = SG_Keys->SetColumnWidths({37, 129, 172, 172, 235}, 24);
  SG_Keys->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  SG_Keys->setFixedWidth(total + 2 * SG_Keys->frameWidth() + SG_Keys->verticalScrollBar()->sizeHint().width());
  SG_Keys->painter = [this](QPainter* p, const QRect& r, int col, int row, bool inUse) { DrawCell(p, r, col, row, inUse); };
  column->addWidget(SG_Keys, 1, Qt::AlignLeft);
  CreateFind();
  column->addWidget(FindBar, 0, Qt::AlignLeft);
  CreateMenu();

  CB_HideKeyCodes = new QCheckBox(QStringLiteral("Показывать коды"), this);
  CB_HideKeyCodes->setObjectName("CB_HideKeyCodes");
  column->addWidget(CB_HideKeyCodes, 0, Qt::AlignLeft);
  // CB_HideKeyCodesClick
  connect(CB_HideKeyCodes, &QCheckBox::clicked, this, [this](bool on) { SetShowCodes(on); });

  ST_MessText = new QLabel(this);
  ST_MessText->setObjectName("ST_MessText");
  ST_MessText->setAlignment(Qt::AlignCenter);
  ST_MessText->setAutoFillBackground(true);
  SetWrongValueLook(ST_MessText);
  ST_MessText->hide();

  T_HideToolTip = new QTimer(this);
  T_HideToolTip->setObjectName("T_HideToolTip");
  T_HideToolTip->setSingleShot(true);
  connect(T_HideToolTip, &QTimer::timeout, this, [this] { ST_MessText->hide(); });
}

void TabKeys::Create() {
  showCodes_ = false;
  AssignHint(this, 700);
  AssignHint(SG_Keys, 710);
  SG_Keys->tag = 1;
  SG_Keys->SetHeaderRow({"№", "Пользователь", "Режим работы", "Код управления", "Разделы"}, kKeyCount);
  SG_Keys->tune = [this](GridEditor* e, int col, int row) { return SG_Edit_Tune(SG_Keys->tag, e, col, row); };
  SG_Keys->beforeOpen = [this] { ST_MessText->hide(); };

  if (!NameEditor) {
    NameEditor = SG_Create_TextEdit(SG_Keys, 1);
    NameEditor->setObjectName("KEY_SG_ME_Name");
    NameEditor->setMaxLength(8);
    AssignHint(NameEditor, 711);
    OnStore(NameEditor, [this](int key) { Keys_SaveName(key, NameEditor->text()); });

    ModeEditor = SG_Create_ComboBox(SG_Keys, nullptr, 2);
    ModeEditor->setObjectName("KEY_SG_CB_Type");
    for (int k = 1; k <= kKeyModePositions; ++k) ModeEditor->addItem(ToQ(KeyModeText(KeyModeCode(k))));
    AssignHint(ModeEditor, 712);
    // Nothing chosen leaves the mode as it is.
    OnChoice(ModeEditor, [this](int key, int item) { Keys_SaveType(key, item); });

    CodeEditor = SG_Create_HexEdit(SG_Keys, 3);
    CodeEditor->setObjectName("KEY_SG_ME_Code");
    CodeEditor->setMaxLength(kKeyCodeLength);
    CodeEditor->setFont(CodeFont(SG_Keys->font()));
    CodeEditor->SetKeyFilter(InputFilter::HexAndStar);
    AssignHint(CodeEditor, 713);
    OnStore(CodeEditor, [this](int key) { Keys_SaveCode(key, CodeEditor->text()); });

    PartsEditor = SG_Create_CheckListBox(SG_Keys, nullptr, 4);
    PartsEditor->setObjectName("KEY_SG_CLB_Part");
    AssignHint(PartsEditor, 714);
    OnStore(PartsEditor, [this](int key) { Keys_SaveParts(key, PartsEditor->Ticked()); });
  }
  // Every cell of a key row is editable.
  for (int k = 1; k <= kKeyCount; ++k) {
    SG_Edit_Enable(EditorKind::Text, SG_Keys, k, 1);
    SG_Edit_Enable(EditorKind::List, SG_Keys, k, 2);
    SG_Edit_Enable(EditorKind::Hex, SG_Keys, k, 3);
    SG_Edit_Enable(EditorKind::CheckList, SG_Keys, k, 4);
  }
}

QString TabKeys::SG_Edit_Tune(int tag, GridEditor* editor, int col, int row) {
  if (tag != 1) return {};
  if (col == 1 && editor == NameEditor) NameEditor->setMaxLength(KeyNameMaxLength(Model().GetKeyMode(row)));
  if (col == 3) return ToQ(KeyCodeSignificant(Model().GetKeyCode(row)));
  return {};
}

void TabKeys::SetShowCodes(bool show) {
  showCodes_ = show;
  CB_HideKeyCodes->setChecked(show);
  SG_Keys->viewport()->update();
}

void TabKeys::Redraw() {
  CB_HideKeyCodes->setChecked(showCodes_);
  SG_Keys->setUpdatesEnabled(false);
  const T_Command_DEVICE& m = Model();
  for (int k = 1; k <= kKeyCount; ++k) {
    SG_Keys->SetCell(1, k, ToQ(m.GetKeyName(k)));
    SG_Keys->SetCell(2, k, ToQ(KeyModeText(m.GetKeyMode(k))));
    SG_Keys->SetCell(3, k, ToQ(m.GetKeyCode(k)));
    SG_Keys->SetCell(4, k, ToQ(FormatPartitionRanges(m.GetKeyPartitions(k))));
  }
  SG_Keys->setUpdatesEnabled(true);
}

void TabKeys::Keys_SaveName(int key, const QString& name) {
  Model().SetKeyName(key, FromQ(name));
  SG_Keys->SetCell(1, key, ToQ(Model().GetKeyName(key)));
}

void TabKeys::Keys_SaveType(int key, int mode) {
  SG_Keys->SetCell(2, key, ToQ(KeyModeText(mode)));
  Model().SetKeyMode(key, mode);
  // A mode mark takes one of the stored characters: the name may be shorter.
  SG_Keys->SetCell(1, key, ToQ(Model().GetKeyName(key)));
  SG_Keys->viewport()->update();
}

int TabKeys::Keys_SaveCode(int key, const QString& text) {
  const int other = kestrin::Keys_SaveCode(Model(), key, FromQ(text));
  if (other == 0) {
    SG_Keys->SetCell(3, key, ToQ(Model().GetKeyCode(key)));
  } else {
    ShowDuplicateNotice(key, other);
  }
  return other;
}

void TabKeys::Keys_SaveParts(int key, PartitionSet set) {
  Model().SetKeyPartitions(key, set);
  SG_Keys->SetCell(4, key, ToQ(FormatPartitionRanges(Model().GetKeyPartitions(key))));
}

void TabKeys::ShowDuplicateNotice(int key, int other) {
  SG_Keys->scrollTo(SG_Keys->model()->index(key - 1, 3));
  ST_MessText->setGeometry(SG_Keys->CellRect(3, key).adjusted(1, 1, 1, 1));
  ST_MessText->setText(QStringLiteral("Повтор (ключ №%1)").arg(other));
  QFont f = SG_Keys->font();
  if (f.pointSizeF() > 1) f.setPointSizeF(f.pointSizeF() - 1);
  ST_MessText->setFont(f);
  ST_MessText->show();
  ST_MessText->raise();
  T_HideToolTip->start(2000);
}

void TabKeys::DrawCell(QPainter* p, const QRect& r, int col, int row, bool inUse) {
  const T_Command_DEVICE& m = Model();
  // While the find field has the focus, the key found is still marked.
  const bool found = FindBar->isVisible() && row == SG_Keys->Row();
  p->fillRect(r, inUse || found ? SelectedRowColour() : RgbColour(KEY_GetColorType(m.GetKeyMode(row))));
  const QColor text = palette().color(QPalette::WindowText);
  p->setPen(text);
  const QString cell = SG_Keys->Cell(col, row);
  if (col != 3) {
    StringGrid::DrawCellText(p, r, cell, false);
    return;
  }
  p->setFont(CodeFont(SG_Keys->font()));
  const QFontMetrics fm = p->fontMetrics();
  const int x = r.left() + (r.width() - fm.horizontalAdvance(QString(kKeyCodeLength, QLatin1Char('0')))) / 2;
  const int y = r.top() + 2;
  const std::string code = FromQ(cell);
  if (inUse || showCodes_) {
    // The code's own digits, then in red the zeros that pad it to 12.
    const QString significant = ToQ(KeyCodeSignificant(code));
    const QString zeros = cell.mid(significant.size());
    p->drawText(QPoint(x, y + fm.ascent()), significant);
    p->setPen(QColor(255, 0, 0));
    p->drawText(QPoint(x + fm.horizontalAdvance(significant), y + fm.ascent()), zeros);
    return;
  }
  if (code.empty() || code == kZeroCode) return;
  p->drawText(r.adjusted(0, 2, 0, 0), Qt::AlignHCenter | Qt::AlignTop, QString::fromLatin1(kMaskedCode));
}

}  // namespace kestrin
