// The document's commands without a window: what they change, what they
// write, and which messages they put, in order, through a scripted service.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "editor/document_workflow.h"
#include "fake_messages.h"
#include "gui/widgets/qt_text.h"
#include "model/writer.h"
#include "support/test_text.h"
#include "window_test_support.h"

namespace kestrin::test {
namespace {

class DocumentWorkflowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString Path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }
  QString Copy(const char* fixture, const QString& name) { return CopyFixtureTo(fixture, Path(name)); }
  std::string Text() const { return WriteConfigTextCrLf(doc.edited); }

  QTemporaryDir dir;
  ConfigDocument doc;
  FakeMessages messages;
  DocumentWorkflow flow{doc, messages};
};

TEST_F(DocumentWorkflowTest, OpenTakesTheFileAsBaselineAndFailuresChangeNothing) {
  const QString office = Copy("language/realistic_office_roundtrip.in", QStringLiteral("o.ini"));
  ASSERT_TRUE(flow.Open(office));
  EXPECT_EQ(QString::fromStdString(doc.LoadedPath()), QFileInfo(office).absoluteFilePath());
  EXPECT_EQ(doc.BaselineText(), Text());
  EXPECT_FALSE(doc.IsChanged());
  EXPECT_TRUE(messages.seen.isEmpty());
  const std::string loaded = Text();

  // A missing file and a folder: the opening pair, the model and path kept.
  QDir(dir.path()).mkpath(QStringLiteral("folder.ini"));
  EXPECT_FALSE(flow.Open(Path(QStringLiteral("gone.ini"))));
  EXPECT_FALSE(flow.Open(Path(QStringLiteral("folder.ini"))));
  EXPECT_EQ(messages.seen, (QStringList{kCannotOpen, kCannotOpen}));
  EXPECT_EQ(Text(), loaded);
  EXPECT_EQ(QString::fromStdString(doc.LoadedPath()), QFileInfo(office).absoluteFilePath());
}

TEST_F(DocumentWorkflowTest, ContainerAsksTheKeyUntilItOpensOrIsGivenUp) {
  const QString cry = Copy(kContainerFixture, QStringLiteral("panel.cry"));
  messages.keyTyped = {QStringLiteral("wrong key"), ContainerKey()};
  ASSERT_TRUE(flow.Open(cry));
  EXPECT_EQ(messages.seen, (QStringList{QStringLiteral("key"), QStringLiteral("key")}));
  EXPECT_EQ(doc.edited.GetLoopName(2), W("Ёлочный зал"));
  EXPECT_EQ(doc.edited.GetFileKey(), FromQ(ContainerKey()));
  EXPECT_EQ(doc.lastAppliedKey, FromQ(ContainerKey()));
  EXPECT_FALSE(doc.IsChanged());

  // The key given first opens it without a question; giving up empties the text.
  messages.seen.clear();
  ASSERT_TRUE(flow.Open(cry, FromQ(ContainerKey())));
  EXPECT_TRUE(messages.seen.isEmpty());
  const std::string before = Text();
  EXPECT_FALSE(flow.Open(cry, "wrong"));
  EXPECT_EQ(messages.seen, QStringList{QStringLiteral("key")});
  EXPECT_TRUE(doc.text.Empty());
  EXPECT_EQ(Text(), before);
}

TEST_F(DocumentWorkflowTest, SaveMovesTheBaselineOnlyWhenWritten) {
  doc.edited.SetFileKey("K1");
  EXPECT_TRUE(doc.IsChanged());
  const QString target = Path(QStringLiteral("saved.ini"));
  ASSERT_TRUE(flow.SaveTo(target));
  EXPECT_EQ(messages.seen, QStringList{kSaved});
  EXPECT_EQ(ReadBytes(target).toStdString(), Text());
  EXPECT_FALSE(doc.IsChanged());

  // A write-protected target is refused and kept; the edit stays unsaved.
  doc.edited.SetSirenTime(77);
  QFile::setPermissions(target, QFile::ReadOwner);
  const QByteArray kept = ReadBytes(target);
  EXPECT_FALSE(flow.SaveTo(target));
  EXPECT_EQ(messages.seen.value(1), kCannotReplace);
  EXPECT_EQ(messages.seen.size(), 2);
  EXPECT_EQ(ReadBytes(target), kept);
  EXPECT_TRUE(doc.IsChanged());
}

TEST_F(DocumentWorkflowTest, WriteToPanelWritesBothFilesThenMovesTheBaseline) {
  QDir(dir.path()).mkpath(QStringLiteral("disk"));
  doc.edited.SetFileKey("K1");
  ASSERT_TRUE(flow.WriteToPanel(Path(QStringLiteral("disk/"))));
  EXPECT_EQ(messages.seen, QStringList{kWritten});
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("disk/config.ini"))).toStdString(), Text());
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("disk/clock.txt"))),
            QByteArray::fromStdString(ClockFileBytes()));
  EXPECT_FALSE(doc.IsChanged());

  // A clock file that cannot be made: reported, no success, still changed.
  doc.edited.SetSirenTime(77);
  QFile::remove(Path(QStringLiteral("disk/clock.txt")));
  QDir(dir.path()).mkpath(QStringLiteral("disk/clock.txt"));
  EXPECT_FALSE(flow.WriteToPanel(Path(QStringLiteral("disk"))));
  EXPECT_EQ(messages.seen.size(), 2);
  EXPECT_TRUE(messages.seen.value(1).contains(QStringLiteral("не может быть создан")));
  EXPECT_TRUE(doc.IsChanged());
}

TEST_F(DocumentWorkflowTest, DefaultsAskThenResetTheModelFileAndKey) {
  ASSERT_TRUE(flow.Open(Copy("language/realistic_office_roundtrip.in", QStringLiteral("o.ini"))));
  messages.keyText = QStringLiteral("typed");
  messages.answers = {TFormOkMessage::kResultCancel, TFormOkMessage::kResultContinue};
  EXPECT_FALSE(flow.AskDefaults());
  EXPECT_TRUE(flow.AskDefaults());
  EXPECT_EQ(messages.seen.size(), 2);
  EXPECT_TRUE(messages.seen.value(0).contains(QStringLiteral("\"по-умолчанию\"?")));

  flow.ResetToDefaults();
  T_Command_DEVICE defaults;
  defaults.SetDefaults();
  EXPECT_EQ(Text(), WriteConfigTextCrLf(defaults));
  EXPECT_TRUE(doc.LoadedPath().empty());
  EXPECT_TRUE(messages.keyText.isEmpty());
  EXPECT_FALSE(doc.IsChanged());
}

TEST_F(DocumentWorkflowTest, LockFileMakesTheDocumentReadOnlyWithOneMessage) {
  const QString file = Copy("language/realistic_office_roundtrip.in", QStringLiteral("a.ini"));
  ASSERT_TRUE(WriteBytes(Path(QStringLiteral("lock.txt")), "x"));
  StatusLine line = flow.Status(file, kStatusSaved, QStringLiteral("01.02.2026"), "v");
  EXPECT_TRUE(doc.ReadOnly());
  EXPECT_EQ(line.colour, kStatusRed);
  ASSERT_EQ(messages.seen.size(), 1);
  EXPECT_TRUE(messages.seen[0].contains(QStringLiteral("Прибор находится во взятом состоянии")));

  line = flow.Status(QString(), kStatusDefault, QString(), "v");
  EXPECT_FALSE(doc.ReadOnly());
  EXPECT_EQ(line.colour, kStatusGreen);
  EXPECT_EQ(messages.seen.size(), 1);
}

TEST_F(DocumentWorkflowTest, ChecksAskThroughTheServiceAndStopOnFix) {
  // The defaults lack a file key: "Исправить" stops the checks there.
  messages.answers = {TFormErrorMessage::kResultFix};
  CheckOutcome outcome = flow.Check({});
  EXPECT_FALSE(outcome.passed);
  EXPECT_EQ(outcome.answer, CheckAnswer::GotoControl);
  ASSERT_EQ(messages.seen.size(), 1);
  EXPECT_TRUE(messages.seen[0].contains(QStringLiteral("Не задан ключ шифрования")));

  doc.edited.SetFileKey("K1");
  messages.seen.clear();
  EXPECT_TRUE(flow.Check({}).passed);
  EXPECT_TRUE(messages.seen.isEmpty());
}

TEST_F(DocumentWorkflowTest, UnsavedEditsAreAskedAboutOnlyWhenChangedAndWritable) {
  using Edits = DocumentWorkflow::UnsavedEdits;
  EXPECT_EQ(flow.AskAboutUnsavedEdits(), Edits::None);
  doc.edited.SetSirenTime(77);
  doc.SetReadOnly(true);
  EXPECT_EQ(flow.AskAboutUnsavedEdits(), Edits::None);
  EXPECT_TRUE(messages.seen.isEmpty());

  doc.SetReadOnly(false);
  messages.saveChanges = {SaveChangesAnswer::Save, SaveChangesAnswer::Discard,
                          SaveChangesAnswer::Cancel};
  EXPECT_EQ(flow.AskAboutUnsavedEdits(), Edits::Save);
  EXPECT_EQ(flow.AskAboutUnsavedEdits(), Edits::Discard);
  EXPECT_EQ(flow.AskAboutUnsavedEdits(), Edits::Stay);
  EXPECT_EQ(messages.seen.size(), 3);
  EXPECT_EQ(doc.edited.GetSirenTime(), 77);  // asking changes nothing

  // Undone by hand: no change, no question.
  T_Command_DEVICE defaults;
  defaults.SetDefaults();
  doc.edited.SetSirenTime(defaults.GetSirenTime());
  EXPECT_EQ(flow.AskAboutUnsavedEdits(), Edits::None);
  EXPECT_EQ(messages.seen.size(), 3);
}

}  // namespace
}  // namespace kestrin::test

namespace kestrin::test {
namespace {

// The window puts its messages through the service it is given.
class WindowWithFakeMessagesTest : public WindowTest {
 protected:
  FakeMessages fake;
};

TEST_F(WindowWithFakeMessagesTest, CommandsAnswerFromTheGivenService) {
  messages = &fake;
  Start();
  window->Document().edited.SetSirenTime(123);
  fake.keyText = QStringLiteral("typed");
  fake.answers = {TFormOkMessage::kResultContinue};
  Find<QPushButton>("B_Default")->click();
  EXPECT_EQ(fake.seen.size(), 1);
  EXPECT_NE(window->Document().edited.GetSirenTime(), 123);
  EXPECT_TRUE(fake.keyText.isEmpty());

  // Checks refused by "Исправить": no file dialog.
  fake.answers = {TFormErrorMessage::kResultFix};
  Find<QPushButton>("B_Save")->click();
  EXPECT_EQ(fake.seen.size(), 2);
  EXPECT_EQ(dialogs.saveCalls, 0);
  EXPECT_TRUE(modals.seen.isEmpty());  // no real dialog came up
  EXPECT_EQ(window->OwnMessages(), nullptr);
}

}  // namespace
}  // namespace kestrin::test
