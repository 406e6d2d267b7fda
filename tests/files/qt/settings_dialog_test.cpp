// The settings store over a temporary INI file and the settings dialog.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

#include "gui/widgets/hints.h"
#include "gui/widgets/qt_text.h"
#include "files/qt/dialog_config.h"
#include "files/qt/form_select_path_tree.h"
#include "files/qt/settings_store.h"

namespace kestrin {
namespace {

void OnModal(std::function<void(QWidget*)> action, QWidget* notThis = nullptr) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, action, notThis] {
    QWidget* w = QApplication::activeModalWidget();
    if (w && w != notThis) {
      timer->stop();
      timer->deleteLater();
      action(w);
    }
  });
  timer->start();
}

void Type(QWidget* w, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
  }
}

template <class T>
T* Find(QWidget* parent, const QString& name) {
  T* w = parent->findChild<T*>(name);
  EXPECT_NE(w, nullptr) << name.toStdString();
  return w;
}

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    ini = QDir(dir.path()).filePath("velmar.ini");
    notices.clear();
  }
  // A store over path whose messages are collected in notices.
  SettingsStore Store(const QString& path) {
    SettingsStore store(path);
    store.SetNotifier([this](const QString& m, const QString& r) { notices << m << r; });
    return store;
  }
  ProgramSettings Fresh() const {
    ProgramSettings s;
    s.ProgramFolder = "/opt/prog/";
    return s;
  }

  QTemporaryDir dir;
  QString ini;
  QStringList notices;
};

TEST_F(SettingsTest, MissingStoreGivesDefaultsAndRoundTripKeepsEveryValue) {
  ProgramSettings s = Fresh();
  s.MaskPref = "x";
  LoadSettings(s, Store(ini));
  EXPECT_EQ(s, DefaultSettings("/opt/prog/"));
  EXPECT_EQ(ComposeFileName(s, "", ""), "RQX7.ini");

  ProgramSettings out = Fresh();
  out.HideHint = true;
  out.PortTM = 7;
  out.ListPathSave = "/data/конфиги/";
  out.ListModeOpenSave = true;
  out.MaskMode = false;
  out.MaskPref = FromQ(QStringLiteral("Дом"));
  out.MaskDelim1 = "-";
  out.MaskDelim2 = "";
  out.MaskDelim3 = FromQ(QStringLiteral("ж"));
  out.MaskSuff = "end";
  out.MaskIdent1 = 4;
  out.MaskIdent2 = 0;
  out.MaskIdent3 = 1;
  out.MaskIdent4 = 2;
  ASSERT_TRUE(SaveSettings(out, Store(ini)));
  ProgramSettings in = Fresh();
  LoadSettings(in, Store(ini));
  EXPECT_EQ(in, out);
  // Booleans are stored as the integers 0 and 1.
  QSettings raw(ini, QSettings::IniFormat);
  EXPECT_EQ(raw.value("HideHint").toString(), "1");
  EXPECT_EQ(raw.value("MaskMode").toString(), "0");
  EXPECT_TRUE(notices.isEmpty());
}

TEST_F(SettingsTest, StoredValuesOutOfRangeOrUnreadableFallBack) {
  {
    QSettings raw(ini, QSettings::IniFormat);
    raw.setValue("MaskIdent3", 9);
    raw.setValue("MaskIdent1", 0);
    raw.setValue("PortTM", "abc");
    raw.setValue("MaskMode", "false");
    raw.setValue("ListModeOpenSave", "yes?");
    raw.setValue("MaskPref", "../up");
    raw.setValue("MaskDelim1", "::");
  }
  ProgramSettings s = Fresh();
  LoadSettings(s, Store(ini));
  EXPECT_EQ(s.MaskIdent3, 3);
  EXPECT_EQ(s.MaskIdent1, 0);
  EXPECT_EQ(s.PortTM, 0);
  EXPECT_FALSE(s.MaskMode);
  EXPECT_FALSE(s.ListModeOpenSave);
  EXPECT_EQ(s.MaskPref, "..up");
  EXPECT_EQ(s.MaskDelim1, "");
  EXPECT_EQ(s.ListPathSave, "/opt/prog/");
}

TEST_F(SettingsTest, AFailedWriteIsReportedAndNotTakenForSuccess) {
  QFile blocker(QDir(dir.path()).filePath("file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const QString impossible = QDir(dir.path()).filePath("file/velmar.ini");
  EXPECT_FALSE(SaveSettings(Fresh(), Store(impossible)));
  ASSERT_EQ(notices.size(), 2);
  EXPECT_TRUE(notices[0].contains(QStringLiteral("не могут быть сохранены")));
}

class DialogTest : public SettingsTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    settings = DefaultSettings("/opt/prog/");
  }
  ProgramSettings settings;
  HintDisplay hints;
};

TEST_F(DialogTest, ShowingSetsControlsFromTheSettingsWithTheirHints) {
  TDialogConfig d(settings, hints, nullptr, Store(ini));
  d.show();
  EXPECT_FALSE(Find<QCheckBox>(&d, "CB_HideHint")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>(&d, "RB_OpenNormal")->isChecked());
  EXPECT_FALSE(Find<QLineEdit>(&d, "E_SavePath")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>(&d, "B_SavePath")->isEnabled());
  EXPECT_FALSE(Find<QLabel>(&d, "L_SavePath")->isEnabled());
  EXPECT_EQ(Find<QLineEdit>(&d, "E_SavePath")->text(), "/opt/prog/");
  EXPECT_FALSE(Find<QLineEdit>(&d, "ME_PortTM")->isVisible());
  EXPECT_FALSE(Find<QLabel>(&d, "L_PortTM")->isVisible());
  EXPECT_TRUE(Find<QCheckBox>(&d, "CB_SaveMask")->isChecked());
  EXPECT_EQ(Find<QLineEdit>(&d, "E_MaskPref")->text(), "RQX7");
  for (int n = 1; n <= 4; ++n) {
    const char* names[] = {"", "RB_MaskPref", "RB_MaskName", "RB_MaskIdent", "RB_MaskSuff"};
    EXPECT_TRUE(Find<QRadioButton>(&d, QString("%1%2").arg(names[n]).arg(n))->isChecked()) << n;
  }
  EXPECT_EQ(d.ExampleText(), QStringLiteral("RQX7_ПСЕВДОНИМN_AAAABBBBCCCC.ini"));
  EXPECT_EQ(Find<QLabel>(&d, "ST_Example")->text(), d.ExampleText());
  EXPECT_EQ(Find<QPushButton>(&d, "B_Cancel")->hasFocus() ||
                QApplication::focusWidget() == Find<QPushButton>(&d, "B_Cancel") ||
                d.focusWidget() == Find<QPushButton>(&d, "B_Cancel"),
            true);

  EXPECT_EQ(d.toolTip(), HintText(2000));
  EXPECT_EQ(Find<QCheckBox>(&d, "CB_HideHint")->toolTip(), HintText(2001));
  EXPECT_EQ(Find<QLabel>(&d, "L_SavePath")->toolTip(), HintText(2005));
  EXPECT_EQ(Find<QLineEdit>(&d, "E_MaskDelimiter3")->toolTip(), HintText(2114));
  EXPECT_EQ(Find<QGroupBox>(&d, "GB_Mask4")->property("helpContext").toInt(), 2120);
  EXPECT_EQ(Find<QRadioButton>(&d, "RB_MaskSuff2")->property("helpContext").toInt(), 2125);
  EXPECT_EQ(Find<QLabel>(&d, "ST_Example")->property("helpContext").toInt(), 2130);
  EXPECT_FALSE(HintText(2125).isEmpty());

  // A stored kind out of range is shown as the element's default.
  settings.MaskIdent3 = 9;
  d.FormShow();
  EXPECT_TRUE(Find<QRadioButton>(&d, "RB_MaskIdent3")->isChecked());
}

TEST_F(DialogTest, ListModeAndMaskCheckBoxEnableTheirControls) {
  TDialogConfig d(settings, hints, nullptr, Store(ini));
  d.show();
  Find<QRadioButton>(&d, "RB_OpenList")->click();
  EXPECT_TRUE(Find<QLineEdit>(&d, "E_SavePath")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>(&d, "B_SavePath")->isEnabled());
  Find<QRadioButton>(&d, "RB_OpenNormal")->click();
  EXPECT_FALSE(Find<QLineEdit>(&d, "E_SavePath")->isEnabled());

  auto* mask = Find<QCheckBox>(&d, "CB_SaveMask");
  auto* group = Find<QGroupBox>(&d, "GB_SaveMask");
  EXPECT_EQ(group->property("captionColour").value<QColor>(), QColor(128, 0, 0));
  mask->click();
  for (const char* name : {"E_MaskPref", "E_MaskSuff", "E_MaskDelimiter2"})
    EXPECT_FALSE(Find<QLineEdit>(&d, name)->isEnabled()) << name;
  for (const char* name : {"L_MaskPref", "L_MaskDelimiter1", "L_Example", "ST_Example"})
    EXPECT_FALSE(Find<QLabel>(&d, name)->isEnabled()) << name;
  EXPECT_FALSE(Find<QRadioButton>(&d, "RB_MaskEmpty3")->isEnabled());
  for (const char* name : {"GB_SaveMask", "GB_Mask1", "GB_Mask4"}) {
    EXPECT_FALSE(Find<QGroupBox>(&d, name)->isEnabled());
    EXPECT_EQ(Find<QGroupBox>(&d, name)->property("captionColour").value<QColor>(),
              QColor(128, 128, 128)) << name;
  }
  // Everything outside the mask stays usable.
  EXPECT_TRUE(Find<QCheckBox>(&d, "CB_HideHint")->isEnabled());
  EXPECT_TRUE(mask->isEnabled());
  mask->click();
  EXPECT_TRUE(Find<QRadioButton>(&d, "RB_MaskEmpty3")->isEnabled());
  EXPECT_EQ(Find<QGroupBox>(&d, "GB_Mask2")->property("captionColour").value<QColor>(),
            QColor(128, 0, 0));
}

TEST_F(DialogTest, ExampleFollowsEditsAndElementButtons) {
  TDialogConfig d(settings, hints, nullptr, Store(ini));
  d.show();
  Find<QRadioButton>(&d, "RB_MaskEmpty2")->click();
  EXPECT_EQ(d.ExampleText(), QStringLiteral("RQX7_AAAABBBBCCCC.ini"));
  Find<QRadioButton>(&d, "RB_MaskName2")->click();
  for (const char* name : {"E_MaskDelimiter1", "E_MaskDelimiter2", "E_MaskDelimiter3"})
    Find<QLineEdit>(&d, name)->clear();
  Find<QLineEdit>(&d, "E_MaskSuff")->setText("S");
  EXPECT_EQ(d.ExampleText(), QStringLiteral("RQX7ПСЕВДОНИМNAAAABBBBCCCCS.ini"));
}

TEST_F(DialogTest, MaskEditsRefuseTheNineCharactersAndAcceptCyrillic) {
  TDialogConfig d(settings, hints, nullptr, Store(ini));
  d.show();
  auto* pref = Find<QLineEdit>(&d, "E_MaskPref");
  pref->clear();
  Type(pref, QStringLiteral("a:b\"c*d/e<f>g?h\\i|jЖ"));
  EXPECT_EQ(pref->text(), QStringLiteral("abcdefghij"));  // ten characters at most
  pref->clear();
  Type(pref, QStringLiteral("Жё 1"));
  EXPECT_EQ(pref->text(), QStringLiteral("Жё 1"));
  // Pasted text is refused the same way, and so is text without a Windows-1251 byte.
  pref->clear();
  pref->insert("a/b");
  EXPECT_EQ(pref->text(), "");
  pref->insert(QStringLiteral("日本"));
  EXPECT_EQ(pref->text(), "");

  auto* delim = Find<QLineEdit>(&d, "E_MaskDelimiter1");
  delim->clear();
  Type(delim, QStringLiteral(":"));
  EXPECT_EQ(delim->text(), "");
  Type(delim, QStringLiteral("Ъ+"));
  EXPECT_EQ(delim->text(), QStringLiteral("Ъ"));
  Type(Find<QLineEdit>(&d, "E_MaskSuff"), QStringLiteral("|"));
  EXPECT_EQ(Find<QLineEdit>(&d, "E_MaskSuff")->text(), "");
}

void ClickOn(QWidget* w) {
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
}

TEST_F(DialogTest, LabelClicksFocusTheirControlWhichTakesTheFocusColour) {
  TDialogConfig d(settings, hints, nullptr, Store(ini));
  d.show();
  QApplication::setActiveWindow(&d);
  auto* pref = Find<QLineEdit>(&d, "E_MaskPref");
  const QColor normal = pref->palette().color(pref->backgroundRole());
  ClickOn(Find<QLabel>(&d, "L_MaskPref"));
  EXPECT_EQ(d.focusWidget(), pref);
  EXPECT_EQ(pref->palette().color(pref->backgroundRole()), QColor(255, 255, 0));
  ClickOn(Find<QLabel>(&d, "L_MaskDelimiter2"));
  EXPECT_EQ(d.focusWidget(), Find<QLineEdit>(&d, "E_MaskDelimiter2"));
  EXPECT_EQ(pref->palette().color(pref->backgroundRole()), normal);
  // The open-mode label goes to whichever mode is checked.
  ClickOn(Find<QLabel>(&d, "L_OpenMode"));
  EXPECT_EQ(d.focusWidget(), Find<QRadioButton>(&d, "RB_OpenNormal"));
  Find<QRadioButton>(&d, "RB_OpenList")->setChecked(true);
  ClickOn(Find<QLabel>(&d, "L_OpenMode"));
  EXPECT_EQ(d.focusWidget(), Find<QRadioButton>(&d, "RB_OpenList"));
  // A label whose edit is disabled moves nothing.
  Find<QRadioButton>(&d, "RB_OpenNormal")->setChecked(true);
  ClickOn(Find<QLabel>(&d, "L_SavePath"));
  EXPECT_EQ(d.focusWidget(), Find<QRadioButton>(&d, "RB_OpenList"));
}

TEST_F(DialogTest, ApplyStoresEverythingAndAnEmptyFolderBecomesADelimiter) {
  TDialogConfig d(settings, hints, nullptr, Store(ini));
  OnModal([](QWidget* w) {
    Find<QRadioButton>(w, "RB_OpenList")->click();
    Find<QLineEdit>(w, "E_SavePath")->clear();
    Find<QCheckBox>(w, "CB_HideHint")->click();
    Find<QRadioButton>(w, "RB_MaskEmpty4")->click();
    Find<QRadioButton>(w, "RB_MaskSuff1")->click();
    Find<QLineEdit>(w, "E_MaskSuff")->setText(QStringLiteral("Дача"));
    Find<QLineEdit>(w, "E_MaskDelimiter2")->setText("+");
    Find<QPushButton>(w, "B_OK")->click();
  });
  EXPECT_EQ(d.exec(), QDialog::Accepted);
  EXPECT_TRUE(settings.ListModeOpenSave);
  EXPECT_EQ(settings.ListPathSave, std::string(1, kPathDelimiter));
  EXPECT_TRUE(settings.HideHint);
  EXPECT_TRUE(hints.Hidden());
  EXPECT_EQ(settings.MaskIdent1, kMaskSuffix);
  EXPECT_EQ(settings.MaskIdent4, kMaskEmpty);
  EXPECT_EQ(settings.MaskDelim2, "+");
  EXPECT_EQ(ToQ(settings.MaskSuff), QStringLiteral("Дача"));
  EXPECT_EQ(settings.PortTM, 0);
  ProgramSettings stored = Fresh();
  LoadSettings(stored, Store(ini));
  EXPECT_EQ(stored, settings);

  // A typed folder gets its trailing delimiter.
  OnModal([](QWidget* w) {
    auto* path = Find<QLineEdit>(w, "E_SavePath");
    path->clear();
    Type(path, "/srv/cfg");
    Find<QPushButton>(w, "B_OK")->click();
  });
  EXPECT_EQ(d.exec(), QDialog::Accepted);
  EXPECT_EQ(settings.ListPathSave, std::string("/srv/cfg") + kPathDelimiter);
}

TEST_F(DialogTest, CancelKeepsSettingsButTooltipsFollowTheCheckBoxAtOnce) {
  const ProgramSettings before = settings;
  TDialogConfig d(settings, hints, nullptr, Store(ini));
  OnModal([this](QWidget* w) {
    Find<QCheckBox>(w, "CB_HideHint")->click();
    EXPECT_TRUE(hints.Hidden());
    Find<QCheckBox>(w, "CB_SaveMask")->click();
    Find<QLineEdit>(w, "E_MaskPref")->setText("ZZ");
    Find<QPushButton>(w, "B_Cancel")->click();
  });
  EXPECT_EQ(d.exec(), QDialog::Rejected);
  EXPECT_EQ(settings, before);
  EXPECT_TRUE(hints.Hidden());
  EXPECT_FALSE(QFile::exists(ini));  // nothing written

  // Shown again, the controls come from the unchanged settings.
  d.show();
  EXPECT_EQ(Find<QLineEdit>(&d, "E_MaskPref")->text(), "RQX7");
  EXPECT_TRUE(Find<QCheckBox>(&d, "CB_SaveMask")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>(&d, "CB_HideHint")->isChecked());
}

TEST_F(DialogTest, FolderFieldLimitsTypingOnlyAndTakesTheTreeChoice) {
  settings.ListModeOpenSave = true;
  settings.ListPathSave = "/a/rather/long/folder/of/configurations/";
  QTemporaryDir root;
  ASSERT_TRUE(QDir(root.path()).mkpath("sub"));
  FakeDriveList drives({{"DRIVE", (root.path() + "/").toStdString(), DriveKind::Fixed}});
  TFormSelectPathTree tree(&drives);
  TDialogConfig d(settings, hints, &tree, Store(ini));
  d.show();
  auto* path = Find<QLineEdit>(&d, "E_SavePath");
  EXPECT_EQ(path->text(), QString::fromStdString(settings.ListPathSave));  // not cut
  path->clear();
  Type(path, "12345678901234567890");
  EXPECT_EQ(path->text(), "1234567890123456");  // 16 typed characters
  path->setText("/before/");

  // "Применить" without a chosen node leaves the field as it was.
  OnModal([](QWidget* w) { Find<QPushButton>(w, "BtnOK")->click(); }, &d);
  Find<QPushButton>(&d, "B_SavePath")->click();
  EXPECT_EQ(tree.SelectedPath(), "<none>");
  EXPECT_EQ(path->text(), "/before/");

  const QString expected = root.path() + "/sub" + QLatin1Char(kPathDelimiter);
  OnModal(
      [](QWidget* w) {
        auto* tv = Find<QTreeWidget>(w, "TV_Path");
        tv->topLevelItem(0)->setExpanded(true);
        tv->setCurrentItem(tv->topLevelItem(0)->child(0));
        Find<QPushButton>(w, "BtnOK")->click();
      },
      &d);
  Find<QPushButton>(&d, "B_SavePath")->click();
  EXPECT_EQ(path->text(), expected);
  EXPECT_EQ(QApplication::focusWidget() == path || d.focusWidget() == path, true);
}

}  // namespace
}  // namespace kestrin
