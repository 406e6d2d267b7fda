#pragma once
// The settings dialog "Параметры работы": tooltips, the open mode with the
// list folder, and the file-name mask with a live example.
#include <QDialog>
#include <array>

#include "files/program_settings.h"
#include <memory>

#include "files/qt/settings_store.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kestrin {

class HintDisplay;
class TFormSelectPathTree;

class TDialogConfig : public QDialog {
  Q_OBJECT
 public:
  // settings: the program's settings, changed only by "Применить", which also
  // writes them to store. hints: the window's tooltips, which follow the
  // check box at once. pathTree: the folder tree shown by the folder button
  // (not owned; may be null, then the button does nothing). store: the
  // window's own store, shared, so that what the window decided of it (the
  // hive, who is told of a failure) holds here too; null: the platform's.
  TDialogConfig(ProgramSettings& settings, HintDisplay& hints, TFormSelectPathTree* pathTree,
                std::shared_ptr<SettingsStore> store = nullptr, QWidget* parent = nullptr);
  // A store of the dialog's own (a file of a test, say).
  TDialogConfig(ProgramSettings& settings, HintDisplay& hints, TFormSelectPathTree* pathTree,
                SettingsStore store, QWidget* parent = nullptr)
      : TDialogConfig(settings, hints, pathTree, std::make_shared<SettingsStore>(std::move(store)), parent) {}
  ~TDialogConfig() override;

  // Sets the controls from the settings; runs on every showing.
  void FormShow();
  // Enables or disables the mask controls and colours the group captions.
  void EnableMaskItems(bool on);
  // Shows the name the current controls give, with the sample alias and identifier.
  void FormExampleText();
  // The example's text (UTF-8 QString), for tests and the window.
  QString ExampleText() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Create();
  QGroupBox* CreateElementGroup(int n);
  void B_OKClick();
  void B_SavePathClick();
  void CB_HideHintClick();
  void CB_SaveMaskClick();
  void RB_OpenModeClick();
  int CheckedKind(int element) const;

  ProgramSettings& settings_;
  HintDisplay& hints_;
  TFormSelectPathTree* pathTree_;
  std::shared_ptr<SettingsStore> store_;

  QCheckBox* CB_HideHint;
  QLabel* L_OpenMode;
  QRadioButton* RB_OpenNormal;
  QRadioButton* RB_OpenList;
  QLabel* L_SavePath;
  QLineEdit* E_SavePath;
  QPushButton* B_SavePath;
  QLabel* L_PortTM;
  QLineEdit* ME_PortTM;
  QCheckBox* CB_SaveMask;
  QGroupBox* GB_SaveMask;
  QLabel* L_MaskPref;
  QLineEdit* E_MaskPref;
  QLabel* L_MaskSuff;
  QLineEdit* E_MaskSuff;
  std::array<QLabel*, 3> L_MaskDelimiter{};
  std::array<QLineEdit*, 3> E_MaskDelimiter{};
  std::array<QGroupBox*, 4> GB_Mask{};
  // [element][kind]: RB_MaskEmpty, RB_MaskPref, RB_MaskName, RB_MaskIdent, RB_MaskSuff
  std::array<std::array<QRadioButton*, 5>, 4> RB_Mask{};
  QLabel* L_Example;
  QLabel* ST_Example;
  QPushButton* B_OK;
  QPushButton* B_Cancel;
};

}  // namespace kestrin
