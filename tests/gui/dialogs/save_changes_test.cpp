// The question before unsaved edits are lost: its text and buttons, and that
// the keyboard reaches every answer.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include "gui/dialogs/dialog_message_service.h"
#include "gui/dialogs/form_save_changes.h"
#include "gui/widgets/button_face.h"
#include "support/qt_modal_driver.h"

namespace kestrin {
namespace {

using test::Button;
using test::ModalDriver;
using test::TypeKey;

TEST(SaveChangesDialog, TextAndButtonsInTheConfirmationLook) {
  TFormSaveChanges dialog;
  EXPECT_EQ(dialog.size(), QSize(617, 282));
  EXPECT_EQ(dialog.Message(), QStringLiteral("Конфигурация изменена. Сохранить изменения?"));
  EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(0, 255, 0));
  const char* names[] = {"BitBtnSave", "BitBtnDiscard", "BitBtnCancel"};
  const char* captions[] = {"Сохранить", "Не сохранять", "Отменить"};
  for (int i = 0; i < 3; ++i) {
    QPushButton* b = Button(&dialog, names[i]);
    ASSERT_NE(b, nullptr) << names[i];
    EXPECT_EQ(b->accessibleName(), QString::fromUtf8(captions[i])) << names[i];
    EXPECT_EQ(b->y(), 224) << names[i];
    EXPECT_TRUE(b->text().isEmpty()) << names[i];  // the face carries the caption
  }
  // Side by side, inside the window.
  EXPECT_LT(Button(&dialog, "BitBtnSave")->geometry().right(),
            Button(&dialog, "BitBtnDiscard")->x());
  EXPECT_LT(Button(&dialog, "BitBtnDiscard")->geometry().right(),
            Button(&dialog, "BitBtnCancel")->x());
  EXPECT_LE(Button(&dialog, "BitBtnCancel")->geometry().right(), 617);
}

TEST(SaveChangesDialog, EnterPressesTheFocusedButtonAndEscCancels) {
  TFormSaveChanges dialog;
  ModalDriver driver;
  bool saveFocused = false;
  driver
      .Then([&](QDialog* d) {
        saveFocused = Button(d, "BitBtnSave")->hasFocus();
        TypeKey(QApplication::focusWidget(), Qt::Key_Return);
      })
      .Then([](QDialog* d) {
        Button(d, "BitBtnDiscard")->setFocus();
        TypeKey(QApplication::focusWidget(), Qt::Key_Return);
      })
      .Then([](QDialog* d) {
        Button(d, "BitBtnCancel")->setFocus();
        TypeKey(QApplication::focusWidget(), Qt::Key_Enter, QString(), Qt::KeypadModifier);
      })
      .Then([](QDialog* d) {
        Button(d, "BitBtnDiscard")->setFocus();
        TypeKey(QApplication::focusWidget(), Qt::Key_Escape);
      })
      .Then([](QDialog* d) { d->close(); });
  EXPECT_EQ(dialog.exec(), TFormSaveChanges::kResultSave);
  EXPECT_TRUE(saveFocused);
  EXPECT_EQ(dialog.exec(), TFormSaveChanges::kResultDiscard);
  EXPECT_EQ(dialog.exec(), TFormSaveChanges::kResultCancel);
  EXPECT_EQ(dialog.exec(), TFormSaveChanges::kResultCancel);
  EXPECT_EQ(dialog.exec(), TFormSaveChanges::kResultCancel);
  EXPECT_EQ(driver.StepsLeft(), 0);
}

TEST(SaveChangesDialog, ServiceMapsEachButtonToItsAnswer) {
  DialogMessageService service;
  ModalDriver driver;
  driver.ThenClick("BitBtnSave").ThenClick("BitBtnDiscard").ThenClick("BitBtnCancel");
  EXPECT_EQ(service.AskSaveChanges(), SaveChangesAnswer::Save);
  EXPECT_EQ(service.AskSaveChanges(), SaveChangesAnswer::Discard);
  EXPECT_EQ(service.AskSaveChanges(), SaveChangesAnswer::Cancel);
}

}  // namespace
}  // namespace kestrin
