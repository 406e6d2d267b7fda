#include "files/config_load.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "files/config_document.h"
#include "files/container.h"
#include "model/type_codes.h"
#include "model/writer.h"
#include "support/temp_folder.h"

namespace kestrin {
namespace {

std::string Text(const T_Command_DEVICE& m) { return WriteConfigTextCrLf(m); }

TEST(LoadConfigFile, PlainFilesContainersAndRefusals) {
  test::TempFolder folder;
  const std::string plain = folder.Write("a.ini", "st-120\r\nks2-old\r\n");
  const std::string box = folder.Write("b.cry", "not read by the loader itself");
  std::filesystem::create_directory(folder / "dir.ini");
  struct Case {
    std::string path;
    bool prompt;  // the prompt hands back a text
    LoadStatus status;
    int sirenTime;     // after the load (unchanged: the 33 set before)
    std::string key;   // the key afterwards
    std::string fileKey;
  };
  const Case cases[] = {
      {plain, false, LoadStatus::Loaded, 120, "", "old"},
      {box, true, LoadStatus::Loaded, 77, "k1", "k1"},
      {box, false, LoadStatus::NoContainerText, 33, "tried", ""},
      {folder / "dir.ini", false, LoadStatus::CannotOpen, 33, "tried", ""},
      {folder / "gone.ini", false, LoadStatus::CannotOpen, 33, "tried", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    ConfigReading reading;
    T_Command_DEVICE model;
    model.SetDefaults();
    model.SetSirenTime(33);
    std::string key = "tried";
    int asked = 0;
    const ContainerPrompt prompt = [&](const std::string& path, std::string& k, TextBuffer& text) {
      ++asked;
      EXPECT_EQ(path, box);
      EXPECT_EQ(k, "tried");  // the key to try first comes in
      if (!c.prompt) return false;
      k = "k1";
      text.SetBytes("st-77\r\n");
      return true;
    };
    EXPECT_EQ(LoadConfigFile(c.path, prompt, key, reading, model), c.status);
    EXPECT_EQ(asked, c.path == box ? 1 : 0);
    EXPECT_EQ(model.GetSirenTime(), c.sirenTime);
    EXPECT_EQ(key, c.key);
    if (c.status == LoadStatus::Loaded) EXPECT_EQ(model.GetFileKey(), c.fileKey);
  }
}

// How the callers differ: the command line also knows a container by its
// header and may leave the keys alone; an unreadable container is refused
// before its key is asked, with the reason handed back.
TEST(LoadConfigFile, HeaderDetectionKeyCompletionAndReasons) {
  test::TempFolder folder;
  const std::string plain = folder.Write("a.ini", "st-120\r\nks2-old\r\n");
  const std::string disguised = folder.Write("c.ini", ContainerDeviceName() + "\r\nalias body");
  std::filesystem::create_directory(folder / "dir.cry");
  struct Case {
    std::string path;
    bool byHeader;
    bool completeKeys;
    LoadStatus status;
    bool asked;
    ReadStatus why;
    std::string fileKey;  // after a load
  };
  const Case cases[] = {
      {plain, true, false, LoadStatus::Loaded, false, ReadStatus::Ok, ""},
      {plain, true, true, LoadStatus::Loaded, false, ReadStatus::Ok, "old"},
      {disguised, true, true, LoadStatus::Loaded, true, ReadStatus::Ok, "k1"},
      {disguised, true, false, LoadStatus::Loaded, true, ReadStatus::Ok, ""},
      {disguised, false, true, LoadStatus::Loaded, false, ReadStatus::Ok, ""},  // read as text
      {folder / "dir.cry", false, true, LoadStatus::CannotOpen, false, ReadStatus::NotAFile, ""},
      {folder / "gone.cry", true, true, LoadStatus::CannotOpen, false, ReadStatus::NotFound, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path + (c.byHeader ? " by header" : "") + (c.completeKeys ? " completed" : ""));
    ConfigReading reading;
    T_Command_DEVICE model;
    model.SetDefaults();
    std::string key;
    bool asked = false;
    const ContainerPrompt prompt = [&](const std::string&, std::string& k, TextBuffer& text) {
      asked = true;
      k = "k1";
      text.SetBytes("st-77\r\nks2-\r\n");
      return true;
    };
    ReadStatus why = ReadStatus::Ok;
    ConfigLoadOptions options;
    options.containerByHeader = c.byHeader;
    options.completeKeys = c.completeKeys;
    options.readFailure = &why;
    EXPECT_EQ(LoadConfigFile(c.path, prompt, key, reading, model, options), c.status);
    EXPECT_EQ(asked, c.asked);
    EXPECT_EQ(why, c.why);
    if (c.status == LoadStatus::Loaded) {
      EXPECT_EQ(model.GetFileKey(), c.fileKey);
    }
  }
}

// "Changed" is the text a save would write (pending field values and the
// unload rules applied to a copy) against the baseline: looking changes
// nothing, and every change is announced.
TEST(ConfigDocument, ChangedIsWhatASaveWouldWriteAndEveryChangeIsAnnounced) {
  ConfigDocument doc;
  int told = 0;
  doc.AddObserver([&] { ++told; });
  doc.edited.SetLoopType(2, Code(LoopType::kDelayed));
  doc.edited.SetLoopDelay(2, 0);  // the unload rules would make it 90
  doc.edited.SetRelayType(3, Code(RelayType::kLock));
  doc.edited.SetRelayPartitions(3, PartitionBit(2) | PartitionBit(4));
  doc.edited.SetAccelSensitivity(9);  // beyond the slider's range
  doc.Loaded("/w/a.ini");
  EXPECT_EQ(told, 1);
  const std::string loaded = Text(doc.edited);
  EXPECT_EQ(doc.BaselineText(), loaded);
  EXPECT_FALSE(doc.IsChanged());
  EXPECT_EQ(Text(doc.edited), loaded);  // the look left the model as it was
  EXPECT_EQ(doc.AsWritten().GetLoopDelay(2), 90);
  EXPECT_EQ(doc.AsWritten().GetRelayPartitions(3), PartitionBit(2));

  std::string password;
  doc.SetPendingEdits([&](T_Command_DEVICE& m) {
    m.SetAccelSensitivity(5);  // what the slider shows for 9
    if (!password.empty()) m.SetPasswordCommand(password);
  });
  EXPECT_FALSE(doc.IsChanged());
  password = "24680";
  EXPECT_TRUE(doc.IsChanged());
  EXPECT_EQ(doc.edited.GetPasswordCommand(), "");  // pending, not stored
  password.clear();
  EXPECT_FALSE(doc.IsChanged());

  doc.edited.SetLoopName(1, "Hall");
  doc.Touched();
  EXPECT_EQ(told, 2);
  EXPECT_TRUE(doc.IsChanged());
  doc.Stored();
  EXPECT_EQ(told, 3);
  EXPECT_FALSE(doc.IsChanged());
  doc.Reset();
  EXPECT_EQ(told, 4);
}

}  // namespace
}  // namespace kestrin
