#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <memory>

#include "gui/widgets/button_face.h"
#include "gui/widgets/focus_colours.h"
#include "gui/dialogs/dialog_message_service.h"
#include "gui/dialogs/form_dialog_set_key_config.h"
#include "gui/dialogs/form_error_message.h"
#include "gui/dialogs/form_ok_message.h"
#include "support/qt_modal_driver.h"

namespace kestrin {
namespace {

using test::Button;
using test::ModalDriver;
using test::TypeKey;
using test::TypeText;

QString LabelText(QWidget* w, const char* name) {
  auto* label = w->findChild<QLabel*>(QString::fromLatin1(name));
  return label ? label->text() : QStringLiteral("<missing>");
}

bool Shown(QWidget* w) { return w && !w->isHidden(); }

// The colour of the button's painted face well inside its frame.
QColor FaceColour(QPushButton* b) {
  const QImage face = b->icon().pixmap(b->iconSize()).toImage();
  return face.pixelColor(3, face.height() / 2);
}

// Shows the dialog twice: the first time notes whether the button named
// focused has the focus and clicks the one named clicked, the second time
// closes it from the title bar.
struct ClickThenClose {
  int clickResult = 0;
  bool focused = false;
  int closeResult = 0;
  int stepsLeft = 0;
};

ClickThenClose RunClickThenClose(QDialog& dialog, const char* focused, const char* clicked) {
  ClickThenClose r;
  ModalDriver driver;
  driver.Then([&](QDialog* d) {
          r.focused = Button(d, focused)->hasFocus();
          Button(d, clicked)->click();
        })
      .Then([&](QDialog* d) { d->close(); });
  r.clickResult = dialog.exec();
  r.closeResult = dialog.exec();
  r.stepsLeft = driver.StepsLeft();
  return r;
}

TEST(ErrorDialog, FixOnlyTakesEnterEscAndClickAsFix) {
  TFormErrorMessage dialog;
  dialog.SetErrorContinue(QStringLiteral("Что-то не так"), QStringLiteral("Сделайте так"), false);
  EXPECT_TRUE(Shown(Button(&dialog, "B_Cancel")));
  EXPECT_FALSE(Shown(Button(&dialog, "B_Continue")));
  EXPECT_FALSE(Shown(Button(&dialog, "B_Default")));

  for (int key : {int(Qt::Key_Return), int(Qt::Key_Escape), 0}) {
    ModalDriver driver;
    bool focused = false;
    QColor background;
    driver.Then([&](QDialog* d) {
      focused = Button(d, "B_Cancel")->hasFocus();
      background = d->palette().color(QPalette::Window);
      if (key == 0)
        Button(d, "B_Cancel")->click();
      else
        TypeKey(QApplication::focusWidget() ? QApplication::focusWidget() : d, key);
    });
    EXPECT_EQ(dialog.exec(), TFormErrorMessage::kResultFix) << key;
    EXPECT_TRUE(focused) << key;
    EXPECT_EQ(background, QColor(255, 255, 150));
    EXPECT_EQ(driver.Unexpected(), 0);
  }
}

TEST(ErrorDialog, ContinueOnlyHasFocusAndGivesOne) {
  TFormErrorMessage dialog;
  dialog.SetMessages(QStringLiteral("Прибор находится во взятом состоянии"),
                     QStringLiteral("Снимите с охраны"), false, true);
  ModalDriver driver;
  bool focused = false;
  driver.Then([&](QDialog* d) {
          EXPECT_FALSE(Shown(Button(d, "B_Cancel")));
          EXPECT_FALSE(Shown(Button(d, "B_Default")));
          focused = Button(d, "B_Continue")->hasFocus();
          TypeKey(QApplication::focusWidget(), Qt::Key_Return);
        })
      // Without "Исправить" Esc closes it, as the title bar does.
      .Then([&](QDialog* d) { TypeKey(QApplication::focusWidget() ? QApplication::focusWidget() : d,
                                      Qt::Key_Escape); });
  EXPECT_EQ(dialog.exec(), TFormErrorMessage::kResultContinue);
  EXPECT_TRUE(focused);
  EXPECT_EQ(dialog.exec(), TFormErrorMessage::kResultClosed);
  EXPECT_EQ(driver.Unexpected(), 0);
  EXPECT_EQ(LabelText(&dialog, "ST_Message"), QStringLiteral("Прибор находится во взятом состоянии"));
  EXPECT_EQ(LabelText(&dialog, "ST_Recomendation"), QStringLiteral("Снимите с охраны"));
}

TEST(ErrorDialog, DefaultOfferAndClosing) {
  TFormErrorMessage dialog;
  dialog.SetMessages(QString(), QString(), true, true);
  EXPECT_TRUE(Shown(Button(&dialog, "B_Continue")));
  EXPECT_TRUE(Shown(Button(&dialog, "B_Cancel")));
  EXPECT_FALSE(Shown(Button(&dialog, "B_Default")));

  // SetErrorContinue hides "Продолжить" left from the previous set-up.
  dialog.SetErrorContinue(QStringLiteral("a"), QStringLiteral("b"), true);
  EXPECT_FALSE(Shown(Button(&dialog, "B_Continue")));
  EXPECT_TRUE(Shown(Button(&dialog, "B_Default")));
  EXPECT_TRUE(Shown(Button(&dialog, "B_Cancel")));

  const ClickThenClose runs = RunClickThenClose(dialog, "B_Cancel", "B_Default");
  EXPECT_EQ(runs.clickResult, TFormErrorMessage::kResultContinue);
  EXPECT_TRUE(runs.focused);
  EXPECT_EQ(runs.closeResult, TFormErrorMessage::kResultClosed);
  EXPECT_EQ(runs.stepsLeft, 0);
}

TEST(ErrorDialog, EnterPressesTheFocusedButton) {
  TFormErrorMessage dialog;
  dialog.SetErrorContinue(QStringLiteral("a"), QStringLiteral("b"), true);
  ModalDriver driver;
  bool defaultFocused = false;
  driver.Then([&](QDialog* d) {
          Button(d, "B_Default")->setFocus(Qt::TabFocusReason);
          defaultFocused = Button(d, "B_Default")->hasFocus();
          TypeKey(QApplication::focusWidget(), Qt::Key_Return);
        })
      .Then([&](QDialog* d) {
        Button(d, "B_Default")->setFocus(Qt::TabFocusReason);
        TypeKey(QApplication::focusWidget(), Qt::Key_Escape);
      });
  EXPECT_EQ(dialog.exec(), TFormErrorMessage::kResultContinue);
  EXPECT_TRUE(defaultFocused);
  EXPECT_EQ(dialog.exec(), TFormErrorMessage::kResultFix);  // Esc is "Исправить" anywhere
  EXPECT_EQ(driver.Unexpected(), 0);
}

TEST(ErrorDialog, LayoutTextsAndLook) {
  TFormErrorMessage dialog;
  EXPECT_EQ(dialog.size(), QSize(615, 282));
  EXPECT_EQ(LabelText(&dialog, "L_Error"), QStringLiteral("Ошибка:"));
  EXPECT_EQ(LabelText(&dialog, "L_Recom"), QStringLiteral("Рекомендация:"));
  auto* message = dialog.findChild<QLabel*>(QStringLiteral("ST_Message"));
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(message->geometry(), QRect(8, 40, 601, 73));
  EXPECT_EQ(message->font().pixelSize(), 19);
  EXPECT_TRUE(message->font().bold() && message->font().italic());
  auto* rec = dialog.findChild<QLabel*>(QStringLiteral("ST_Recomendation"));
  EXPECT_EQ(rec->palette().color(QPalette::WindowText), QColor(128, 0, 0));
  auto* title = dialog.findChild<QLabel*>(QStringLiteral("L_Error"));
  EXPECT_TRUE(title->font().underline());
  EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(255, 0, 0));

  EXPECT_EQ(Button(&dialog, "B_Continue")->geometry(), QRect(16, 224, 250, 49));
  EXPECT_EQ(Button(&dialog, "B_Default")->geometry(), QRect(16, 224, 369, 49));
  EXPECT_EQ(Button(&dialog, "B_Cancel")->geometry(), QRect(408, 224, 194, 49));
  EXPECT_EQ(Button(&dialog, "B_Default")->accessibleName(),
            QStringLiteral("Установить \"по-умолчанию\""));
  EXPECT_EQ(ButtonTag(Button(&dialog, "B_Cancel")), 3);
  // The face is painted: the system caption stays empty.
  EXPECT_TRUE(Button(&dialog, "B_Cancel")->text().isEmpty());
  EXPECT_EQ(Button(&dialog, "B_Cancel")->iconSize(), QSize(188, 43));
}

TEST(OkDialog, WithoutAskContinueStandsAloneInTheMiddle) {
  TFormOkMessage dialog;
  dialog.SetMessages(QStringLiteral("Операция выполнена"), QStringLiteral("Конфигурация сохранена"),
                     false);
  EXPECT_EQ(dialog.size(), QSize(617, 282));
  EXPECT_EQ(Button(&dialog, "BitBtnContinue")->pos(), QPoint(184, 224));
  EXPECT_FALSE(Shown(Button(&dialog, "BitBtnCancel")));
  EXPECT_EQ(LabelText(&dialog, "StaticTextMessage"), QStringLiteral("Операция выполнена"));
  EXPECT_EQ(LabelText(&dialog, "StaticTextRecomendation"), QStringLiteral("Конфигурация сохранена"));

  ModalDriver driver;
  bool focused = false;
  driver.Then([&](QDialog* d) {
          focused = Button(d, "BitBtnContinue")->hasFocus();
          Button(d, "BitBtnContinue")->click();
        })
      .Then([&](QDialog* d) { TypeKey(d, Qt::Key_Escape); })
      .Then([&](QDialog* d) { TypeKey(QApplication::focusWidget(), Qt::Key_Return); });
  EXPECT_EQ(dialog.exec(), TFormOkMessage::kResultContinue);
  EXPECT_TRUE(focused);
  EXPECT_EQ(dialog.exec(), TFormOkMessage::kResultCancel);
  EXPECT_EQ(dialog.exec(), TFormOkMessage::kResultContinue);
}

TEST(OkDialog, ALongSecondTextIsMadeSmallerToFitItsField) {
  TFormOkMessage dialog;
  auto* second = dialog.findChild<QLabel*>(QStringLiteral("StaticTextRecomendation"));
  ASSERT_NE(second, nullptr);
  const QString written = QStringLiteral("Файлы записаны в устройство и проверены");
  const QString backedUp = written + QStringLiteral("\nПрежняя конфигурация сохранена в папке резервных копий");
  for (const QString& text : {written, backedUp, written}) {
    dialog.SetMessages(QStringLiteral("Операция выполнена"), text, false);
    EXPECT_EQ(second->text(), text);
    EXPECT_EQ(second->size(), QSize(601, 73));
    const QRect needed = QFontMetrics(second->font())
                             .boundingRect(QRect(0, 0, 601, 1000), Qt::TextWordWrap | second->alignment(), text);
    EXPECT_LE(needed.height(), 73) << text.toStdString();
    // Only a text that would not fit is made smaller.
    EXPECT_EQ(second->font().pixelSize() == 24, text == written) << second->font().pixelSize();
  }
}

TEST(OkDialog, AskShowsBothButtons) {
  TFormOkMessage dialog;
  dialog.SetMessages(QStringLiteral("Вы хотите \"сбросить\" настройки?"), QString(), true);
  EXPECT_EQ(Button(&dialog, "BitBtnContinue")->pos(), QPoint(328, 224));
  EXPECT_TRUE(Shown(Button(&dialog, "BitBtnCancel")));
  EXPECT_EQ(Button(&dialog, "BitBtnCancel")->pos(), QPoint(48, 224));

  const ClickThenClose runs = RunClickThenClose(dialog, "BitBtnContinue", "BitBtnCancel");
  EXPECT_EQ(runs.clickResult, TFormOkMessage::kResultCancel);
  EXPECT_TRUE(runs.focused);
  EXPECT_EQ(runs.closeResult, TFormOkMessage::kResultCancel);

  // Back to a plain report: "Отказаться" goes, "Продолжить" returns to the middle.
  dialog.SetMessages(QStringLiteral("x"), QStringLiteral("y"), false);
  EXPECT_FALSE(Shown(Button(&dialog, "BitBtnCancel")));
  EXPECT_EQ(Button(&dialog, "BitBtnContinue")->pos(), QPoint(184, 224));
}

TEST(KeyDialog, OpeningLayoutFocusAndResults) {
  TFormDialogSetKeyConfig dialog;
  dialog.SetOpeningLayout();
  EXPECT_EQ(dialog.width(), 780);
  // Client area: the window height less its title bar and borders.
  EXPECT_LT(dialog.height(), TFormDialogSetKeyConfig::kOpeningWindowHeight);
  EXPECT_GE(dialog.height(), 96 + 32 + 8);
  EXPECT_EQ(Button(&dialog, "BtnOK")->pos(), QPoint(115, 96));
  EXPECT_EQ(Button(&dialog, "BtnCancel")->pos(), QPoint(435, 96));
  EXPECT_FALSE(Shown(dialog.findChild<QLabel*>(QStringLiteral("StaticTextNew"))));
  EXPECT_EQ(LabelText(&dialog, "StaticTextErrorKey"), QStringLiteral("(текущий ключ не верный)"));
  EXPECT_EQ(LabelText(&dialog, "StaticTextRecomendation"),
            QStringLiteral("Задайте ключ шифрования файла конфигурации"));
  EXPECT_EQ(Button(&dialog, "BtnOK")->toolTip(), QStringLiteral("Применить сделанные настройки"));
  EXPECT_EQ(Button(&dialog, "BtnCancel")->toolTip(), QStringLiteral("Отменить изменения настроек"));
  EXPECT_EQ(dialog.property("helpContext").toInt(), 1);
  dialog.SetErrorKeyVisible(true);
  EXPECT_TRUE(dialog.ErrorKeyVisible());
  dialog.SetErrorKeyVisible(false);
  EXPECT_FALSE(dialog.ErrorKeyVisible());

  ModalDriver driver;
  bool editFocused = false;
  QColor focusedBg, leftBg;
  driver
      .Then([&](QDialog* d) {
        auto* edit = d->findChild<QLineEdit*>(QStringLiteral("EditKEYConfig"));
        editFocused = edit->hasFocus();
        focusedBg = edit->palette().color(QPalette::Base);
        TypeText(edit, QStringLiteral("Ключ"));
        TypeKey(edit, Qt::Key_Return);
      })
      .Then([&](QDialog* d) {
        auto* edit = d->findChild<QLineEdit*>(QStringLiteral("EditKEYConfig"));
        EXPECT_EQ(edit->text(), QStringLiteral("Ключ"));  // stays between showings
        Button(d, "BtnCancel")->setFocus();
        leftBg = edit->palette().color(QPalette::Base);
        TypeKey(d, Qt::Key_Escape);
      })
      .Then([&](QDialog* d) { Button(d, "BtnCancel")->click(); })
      .Then([&](QDialog* d) { Button(d, "BtnOK")->click(); });
  EXPECT_EQ(dialog.exec(), TFormDialogSetKeyConfig::kResultApply);
  EXPECT_TRUE(editFocused);
  EXPECT_EQ(focusedBg, FocusColour());
  EXPECT_EQ(dialog.KeyText(), QStringLiteral("Ключ"));
  EXPECT_EQ(dialog.exec(), TFormDialogSetKeyConfig::kResultCancel);
  EXPECT_EQ(leftBg, WindowColour());
  EXPECT_EQ(dialog.exec(), TFormDialogSetKeyConfig::kResultCancel);
  EXPECT_EQ(dialog.exec(), TFormDialogSetKeyConfig::kResultApply);
}

// Enter on a focused "Отказаться" cancels, though "Применить" or
// "Продолжить" would otherwise take Enter.
TEST(KeyDialog, EnterOnTheFocusedCancelButtonCancels) {
  TFormDialogSetKeyConfig keyDialog;
  keyDialog.SetKeyText(QStringLiteral("Ключ"));
  TFormOkMessage ask;
  ask.SetMessages(QStringLiteral("Вы хотите?"), QString(), true);
  ModalDriver driver;
  for (int i = 0; i < 2; ++i) {
    driver.Then([](QDialog* d) {
      QPushButton* cancel =
          Button(d, qobject_cast<TFormOkMessage*>(d) ? "BitBtnCancel" : "BtnCancel");
      cancel->setFocus(Qt::TabFocusReason);
      ASSERT_TRUE(cancel->hasFocus());
      TypeKey(cancel, Qt::Key_Return);
    });
  }
  EXPECT_EQ(keyDialog.exec(), TFormDialogSetKeyConfig::kResultCancel);
  EXPECT_EQ(ask.exec(), TFormOkMessage::kResultCancel);
  EXPECT_EQ(driver.StepsLeft(), 0);
  EXPECT_EQ(driver.Unexpected(), 0);
}

TEST(KeyDialog, KeyFieldFiltersTypedAndPastedText) {
  TFormDialogSetKeyConfig dialog;
  QLineEdit* edit = dialog.KeyEdit();
  ASSERT_EQ(edit->objectName(), QStringLiteral("EditKEYConfig"));
  EXPECT_EQ(edit->maxLength(), 32);
  EXPECT_EQ(edit->font().family(), QStringLiteral("Courier New"));

  TypeText(edit, QStringLiteral("Яz ё!-€ä中9"));
  EXPECT_EQ(edit->text(), QStringLiteral("Яz 9"));
  // A refused character leaves the caret where it was.
  edit->setCursorPosition(1);
  TypeText(edit, QStringLiteral("-"));
  EXPECT_EQ(edit->cursorPosition(), 1);
  TypeText(edit, QStringLiteral("ж"));
  EXPECT_EQ(edit->text(), QStringLiteral("Яжz 9"));

  edit->clear();
  QApplication::clipboard()->setText(QStringLiteral("Ключ-1!ёЁ_[x]"));
  edit->paste();
  EXPECT_EQ(edit->text(), QStringLiteral("Ключ1_[x]"));

  // A key put in by the program is kept as it is; typing still filters.
  dialog.SetKeyText(QStringLiteral("Ключ-1"));
  EXPECT_EQ(dialog.KeyText(), QStringLiteral("Ключ-1"));
  TypeText(edit, QStringLiteral("!x"));
  EXPECT_EQ(dialog.KeyText(), QStringLiteral("Ключ-1x"));

  edit->clear();
  TypeText(edit, QString(32, QLatin1Char('a')));
  TypeText(edit, QStringLiteral("b"));
  EXPECT_EQ(edit->text(), QString(32, QLatin1Char('a')));
}

TEST(ButtonFaces, FocusedButtonIsYellowAndFollowsTheFocus) {
  TFormErrorMessage dialog;
  dialog.SetErrorContinue(QStringLiteral("m"), QStringLiteral("r"), true);
  ModalDriver driver;
  QColor fixOnShow, defaultOnShow, fixAfter, defaultAfter;
  driver.Then([&](QDialog* d) {
    QPushButton* fix = Button(d, "B_Cancel");
    QPushButton* def = Button(d, "B_Default");
    fixOnShow = FaceColour(fix);
    defaultOnShow = FaceColour(def);
    def->setFocus();
    fixAfter = FaceColour(fix);
    defaultAfter = FaceColour(def);
    fix->click();
  });
  EXPECT_EQ(dialog.exec(), TFormErrorMessage::kResultFix);
  EXPECT_EQ(fixOnShow, FocusColour());
  EXPECT_EQ(defaultOnShow, ButtonFaceColour());
  EXPECT_EQ(fixAfter, ButtonFaceColour());
  EXPECT_EQ(defaultAfter, FocusColour());
}

TEST(ButtonFaces, FrameImageAndTagRules) {
  // The images outlive the button that draws from them.
  ButtonImageList images{QImage(24, 22, QImage::Format_RGB32)};
  QWidget window;
  QPushButton button(&window);
  button.resize(100, 40);
  images[0].fill(QColor(10, 20, 30));
  images[0].setPixelColor(12, 11, QColor(200, 0, 200));

  SetButtonTag(&button, 1);
  QImage face = RenderButtonFace(&button, images, FocusColour(), QString(), GlyphLayout::Top);
  EXPECT_EQ(face.size(), QSize(94, 34));
  EXPECT_EQ(face.pixelColor(0, 0), QColor(10, 20, 30));     // frame from the image's corner
  EXPECT_EQ(face.pixelColor(2, 2), FocusColour());          // inner area
  // No text: the picture is centred; its background is left out.
  EXPECT_EQ(face.pixelColor((94 - 24) / 2 + 12, (34 - 22) / 2 + 11), QColor(200, 0, 200));
  EXPECT_EQ(face.pixelColor((94 - 24) / 2 + 1, (34 - 22) / 2 + 1), FocusColour());

  // With a caption above/below layout the picture sits 6 pixels below the top.
  face = RenderButtonFace(&button, images, ButtonFaceColour(), QStringLiteral("Текст"),
                          GlyphLayout::Top);
  EXPECT_EQ(face.pixelColor((94 - 24) / 2 + 12, 6 + 11), QColor(200, 0, 200));
  // Left layout: 4 pixels from the left edge, centred vertically.
  face = RenderButtonFace(&button, images, ButtonFaceColour(), QStringLiteral("Текст"),
                          GlyphLayout::Left);
  EXPECT_EQ(face.pixelColor(4 + 12, (34 - 22) / 2 + 11), QColor(200, 0, 200));

  for (int tag : {-1, 2}) {
    SetButtonTag(&button, tag);
    face = RenderButtonFace(&button, images, ButtonFaceColour(), QString(), GlyphLayout::Top);
    EXPECT_EQ(face.pixelColor(0, 0), QColor(Qt::red)) << tag;
    EXPECT_EQ(face.pixelColor(47, 17), ButtonFaceColour()) << tag;  // no picture
  }

  SetButtonTag(&button, 1);
  AttachButtonFace(&button, images, QStringLiteral("Открыть"));
  EXPECT_EQ(button.accessibleName(), QStringLiteral("Открыть"));
  EXPECT_TRUE(button.text().isEmpty());
  window.show();
  button.resize(120, 50);  // a resize repaints the face at the new size
  EXPECT_EQ(button.iconSize(), QSize(114, 44));
}

TEST(ProgramDialogs, EachWindowOwnsItsDialogsCentredOnIt) {
  auto* owner = new QWidget;
  owner->setGeometry(100, 120, 900, 700);
  owner->show();
  auto service = std::make_unique<DialogMessageService>(owner);
  EXPECT_EQ(service->OkDialog().parentWidget(), owner);
  EXPECT_EQ(service->KeyDialog().parentWidget(), owner);
  EXPECT_EQ(service->ErrorDialog().objectName(), QStringLiteral("FormErrorMessage"));

  ModalDriver driver;
  QPoint centre;
  QString shown;
  driver.Then([&](QDialog* d) {
    centre = d->frameGeometry().center();
    shown = d->findChild<QLabel*>(QStringLiteral("StaticTextMessage"))->text();
    d->reject();
  });
  EXPECT_EQ(service->Confirm(QStringLiteral("Операция выполнена"), QString(), false),
            TFormOkMessage::kResultCancel);
  EXPECT_EQ(shown, QStringLiteral("Операция выполнена"));
  EXPECT_LE((centre - owner->frameGeometry().center()).manhattanLength(), 4);

  // The key text stays between questions; "Применить" answers true.
  service->SetKeyText(QStringLiteral("K1"));
  driver.Then([](QDialog* d) { Button(d, "BtnOK")->click(); });
  EXPECT_TRUE(service->AskKey());
  EXPECT_EQ(service->KeyText(), QStringLiteral("K1"));
  driver.Then([](QDialog* d) { d->reject(); });
  EXPECT_FALSE(service->AskKey());

  // The dialogs go with their owner; a service without one owns its own.
  service.reset();
  delete owner;
  DialogMessageService alone;
  EXPECT_EQ(alone.ErrorDialog().parentWidget(), nullptr);
}

TEST(FocusColours, NormalColourFollowsTheControlKind) {
  QWidget window;
  QLabel label(&window);
  QLineEdit edit(&window), readOnly(&window);
  readOnly.setReadOnly(true);

  for (QWidget* w : {static_cast<QWidget*>(&label), static_cast<QWidget*>(&edit),
                     static_cast<QWidget*>(&readOnly)}) {
    SetFocusColour(w, FocusState::Focused);
    EXPECT_EQ(BackgroundColour(w), FocusColour()) << w->metaObject()->className();
  }
  SetFocusColour(&label, FocusState::Normal);
  SetFocusColour(&edit, FocusState::Normal);
  SetFocusColour(&readOnly, FocusState::Normal);
  EXPECT_EQ(BackgroundColour(&label), ButtonFaceColour());
  EXPECT_EQ(BackgroundColour(&edit), WindowColour());
  EXPECT_EQ(BackgroundColour(&readOnly), ButtonFaceColour());

  SetFocusColour(&edit, FocusState::Given, GuardColour());
  EXPECT_EQ(BackgroundColour(&edit), QColor(113, 255, 113));

  // Buttons are left alone.
  QPushButton button(&window);
  const QPalette before = button.palette();
  SetFocusColour(&button, FocusState::Focused);
  EXPECT_EQ(button.palette(), before);
  EXPECT_EQ(RgbColour(kWindowColourRgb), WindowColour());
  EXPECT_EQ(RgbColour(kServiceColourRgb), QColor(170, 170, 255));
}

}  // namespace
}  // namespace kestrin
