#include "files/qt/crypto_load.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "model/codec.h"
#include "model/text_buffer.h"
#include "gui/dialogs/dialog_message_service.h"
#include "gui/dialogs/form_dialog_set_key_config.h"
#include "gui/dialogs/form_error_message.h"
#include "gui/dialogs/form_ok_message.h"
#include "support/qt_modal_driver.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

using test::Button;
using test::ModalDriver;
using test::W;

const QString kFixture = QString::fromUtf8(KESTRIN_FIXTURES) + "/container/a_short_3line.cry";

QLineEdit* Edit(QDialog* d) { return d->findChild<QLineEdit*>(QStringLiteral("EditKEYConfig")); }

bool ErrorLineShown(QDialog* d) {
  return !d->findChild<QLabel*>(QStringLiteral("StaticTextErrorKey"))->isHidden();
}

void Apply(QDialog* d, const QString& key) {
  Edit(d)->setText(key);
  Button(d, "BtnOK")->click();
}

class CryptoLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    // Without the fixture the error dialog comes up where the key dialog is
    // expected: stop here rather than poke at controls it does not have.
    ASSERT_TRUE(QFile::exists(kFixture)) << kFixture.toStdString();
  }
  TFormDialogSetKeyConfig keyDialog;
  TFormErrorMessage errorDialog;
  TFormOkMessage okDialog;
  DialogMessageService messages{errorDialog, okDialog, keyDialog};
  TextBuffer buffer;
  std::string lastAppliedKey;
};

TEST_F(CryptoLoad, WrongKeyIsAskedAgainThenTheRightOneOpens) {
  ModalDriver driver;
  bool firstErrorLine = true, secondErrorLine = false;
  QString editOnSecond;
  driver
      .Then([&](QDialog* d) {
        firstErrorLine = ErrorLineShown(d);
        Apply(d, QStringLiteral("Ключ 2"));
      })
      .Then([&](QDialog* d) {
        secondErrorLine = ErrorLineShown(d);
        editOnSecond = Edit(d)->text();
        Apply(d, QStringLiteral("Ключ-1"));  // "-" is refused by the key filter
      })
      .Then([&](QDialog* d) {
        // The test cannot type "-": put the real key in directly.
        Edit(d)->setValidator(nullptr);
        Apply(d, QStringLiteral("Ключ-1"));
      });
  std::string key;
  ASSERT_TRUE(CryptoLoadFromFile(kFixture, key, buffer, messages, lastAppliedKey));
  EXPECT_FALSE(firstErrorLine);  // the edit was empty
  EXPECT_TRUE(secondErrorLine);
  EXPECT_EQ(editOnSecond, QStringLiteral("Ключ 2"));
  EXPECT_EQ(driver.StepsRun(), 3);
  EXPECT_EQ(driver.Unexpected(), 0);
  EXPECT_EQ(key, W("Ключ-1"));
  EXPECT_EQ(lastAppliedKey, W("Ключ-1"));
  ASSERT_EQ(buffer.LineCount(), 3u);
  EXPECT_EQ(buffer.Lines()[0], W("oa-Склад №3"));
  EXPECT_EQ(buffer.Lines()[2], "lm1-7.90");
  // The opening layout was set: "Новый/текущий ключ:" is hidden.
  EXPECT_TRUE(keyDialog.findChild<QLabel*>(QStringLiteral("StaticTextNew"))->isHidden());
}

TEST_F(CryptoLoad, GivenKeyOpensWithoutAsking) {
  ModalDriver driver;
  std::string key = W("  Ключ-1 ");
  ASSERT_TRUE(CryptoLoadFromFile(kFixture, key, buffer, messages, lastAppliedKey));
  EXPECT_EQ(driver.Unexpected(), 0);
  EXPECT_EQ(key, W("  Ключ-1 "));  // as typed, untrimmed
  EXPECT_EQ(buffer.LineCount(), 3u);
  EXPECT_TRUE(lastAppliedKey.empty());
}

TEST_F(CryptoLoad, GivingUpAndBlankKeys) {
  std::string key = "   ";
  {
    ModalDriver driver;
    bool errorLineAfterBlank = true;
    driver.Then([&](QDialog* d) { Apply(d, QStringLiteral("   ")); })
        .Then([&](QDialog* d) {
          errorLineAfterBlank = ErrorLineShown(d);
          Button(d, "BtnCancel")->click();
        });
    EXPECT_FALSE(CryptoLoadFromFile(kFixture, key, buffer, messages, lastAppliedKey));
    EXPECT_EQ(driver.StepsRun(), 2);
    EXPECT_EQ(driver.Unexpected(), 0);
    EXPECT_EQ(lastAppliedKey, "   ");
    // A blank key is never tried, so nothing says it was wrong.
    EXPECT_FALSE(errorLineAfterBlank);
  }

  ModalDriver closer;
  closer.Then([](QDialog* d) { d->close(); });
  key.clear();
  EXPECT_FALSE(CryptoLoadFromFile(kFixture, key, buffer, messages, lastAppliedKey));
  EXPECT_EQ(closer.StepsRun(), 1);
}

class CryptoLoadErrors : public CryptoLoad {
 protected:
  QString Write(const std::string& bytes) {
    const QString path = dir.filePath(QStringLiteral("config.cry"));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
  }
  QTemporaryDir dir;
};

TEST_F(CryptoLoadErrors, WrongHeaderShowsTheSignatureMessage) {
  const QString path = Write("NOT A PANEL\r\n" + std::string(22, ' ') + std::string(16, 'x'));
  ModalDriver driver;
  QString message, recommendation;
  bool onlyFix = false;
  driver.Then([&](QDialog* d) {
    auto* e = qobject_cast<TFormErrorMessage*>(d);
    ASSERT_NE(e, nullptr);
    message = e->Message();
    recommendation = e->Recommendation();
    onlyFix = !Button(d, "B_Cancel")->isHidden() && Button(d, "B_Continue")->isHidden() &&
              Button(d, "B_Default")->isHidden();
    Button(d, "B_Cancel")->click();
  });
  std::string key = W("Ключ-1");
  EXPECT_FALSE(CryptoLoadFromFile(path, key, buffer, messages, lastAppliedKey));
  EXPECT_EQ(message, QStringLiteral("Ошибка контрольной сигнатуры файла конфигурации - файл не "
                                    "относится к устройству") +
                         QString(41, QLatin1Char(' ')) +
                         QStringLiteral("\"ППКОП КЕСТРИН 18кГц 8\""));
  EXPECT_EQ(recommendation, QStringLiteral("Проверьте источник файла"));
  EXPECT_TRUE(onlyFix);
  EXPECT_EQ(driver.Unexpected(), 0);
}

TEST_F(CryptoLoadErrors, BodyOfWrongSizeShowsTheSizeMessage) {
  const QString path =
      Write(W("ППКОП Кестрин 18кГц 8") + "\r\n" + std::string(22, ' ') + std::string(13, 'x'));
  ModalDriver driver;
  QString message;
  driver.Then([&](QDialog* d) {
    message = qobject_cast<TFormErrorMessage*>(d)->Message();
    Button(d, "B_Cancel")->click();
  });
  std::string key = W("Ключ-1");
  EXPECT_FALSE(CryptoLoadFromFile(path, key, buffer, messages, lastAppliedKey));
  EXPECT_EQ(message, QStringLiteral("Ошибка размера файла конфигурации - файл не верный "));
  EXPECT_EQ(driver.StepsRun(), 1);
}

// A container that cannot be read at all (here: a folder, a missing file)
// gets the opening failure at once: no key is asked for it.
TEST_F(CryptoLoadErrors, UnreadableContainerShowsTheOpeningFailureWithoutAskingTheKey) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.cry")));
  for (const QString& path : {dir.filePath(QStringLiteral("folder.cry")), dir.filePath(QStringLiteral("none.cry"))}) {
    ModalDriver driver;
    QString message, recommendation;
    driver.Then([&](QDialog* d) {
      auto* e = qobject_cast<TFormErrorMessage*>(d);
      ASSERT_NE(e, nullptr) << "a key dialog was shown";
      message = e->Message();
      recommendation = e->Recommendation();
      Button(d, "B_Cancel")->click();
    });
    std::string key;  // empty: the key dialog would come first
    EXPECT_FALSE(CryptoLoadFromFile(path, key, buffer, messages, lastAppliedKey));
    EXPECT_EQ(message, QStringLiteral("Ошибка открытия файла")) << path.toStdString();
    EXPECT_EQ(recommendation, QStringLiteral("Проверьте наличие файла"));
    EXPECT_EQ(driver.StepsRun(), 1);
    EXPECT_EQ(driver.Unexpected(), 0);
  }
}

}  // namespace
}  // namespace kestrin
