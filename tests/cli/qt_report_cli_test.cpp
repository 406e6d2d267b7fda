#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <sstream>

#include "cli/cli.h"
#include "support/cli_run.h"
#include "support/pdf_text.h"
#include "support/temp_folder.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

namespace fs = std::filesystem;

using test::RunCli;

class ReportCli : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!test::HavePdfTools()) GTEST_SKIP() << "poppler-utils not installed";
  }
  std::string Out(const char* name) const { return dir_ / name; }
  test::TempFolder dir_;
};

TEST_F(ReportCli, PlainFileGivesAPdfWithTheConfiguration) {
  std::string pdf = Out("office.pdf");
  auto r = RunCli({"report", test::Fixture("language/realistic_office_roundtrip.in"), "-o", pdf, "--date", "09.12.2026"});
  ASSERT_EQ(r.code, 0) << r.err;
  std::string text = test::PdfText(pdf);
  for (const char* expected :
       {"Ключ шифрования файла :\"A7F3-99K2-QQ01\"", "Пароль доступа: \"Zx81pw\"", "охранный с задержкой(30сек.)",
        "Число повторов тревог:3", "СИРЕНА-1(охрана)", "Директор", "Патруль", "************",
        "Дата печати:09.12.2026"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
  // Relays print ranges, keys plain lists.
  EXPECT_NE(text.find("1,3-4"), std::string::npos);
  EXPECT_NE(text.find("1,2,3,4,5,6,7,8"), std::string::npos);
  EXPECT_NE(test::PdfInfo(pdf).find("(A4)"), std::string::npos);
}

TEST_F(ReportCli, ContainerIsOpenedWithItsKey) {
  std::string pdf = Out("full.pdf");
  auto r = RunCli({"report", test::Fixture("container/h_full_config.cry"), "--key",
                "Склад №3/Охрана-2024:Ключ_ДОСТУП", "-o", pdf});
  ASSERT_EQ(r.code, 0) << r.err;
  std::string text = test::PdfText(pdf);
  EXPECT_NE(text.find("\"Склад №3/Охрана-2024:Ключ_ДОСТУП\""), std::string::npos);
  EXPECT_NE(text.find("250"), std::string::npos);

  std::string wrong = Out("wrong.pdf");
  auto bad = RunCli({"report", test::Fixture("container/h_full_config.cry"), "--key", "не тот", "-o", wrong});
  EXPECT_NE(bad.code, 0);
  EXPECT_FALSE(bad.err.empty());
  EXPECT_FALSE(fs::exists(wrong));
}

TEST_F(ReportCli, ContainerWithoutItsKeyGivesNoReport) {
  const std::string cry = test::Fixture("container/h_full_config.cry");
  const std::string disguised = dir_.Write("site.ini", test::ReadAll(cry));
  for (const std::string& input : {cry, disguised}) {
    std::string pdf = Out("none.pdf");
    auto r = RunCli({"report", input, "-o", pdf});
    EXPECT_EQ(r.code, cli::kExitBadInput);
    EXPECT_EQ(r.err, input + ": для зашифрованного файла нужен ключ (--key)\n");
    EXPECT_FALSE(fs::exists(pdf));
  }
}

TEST_F(ReportCli, BadInputIsReportedAndWritesNothing) {
  std::string pdf = Out("none.pdf");
  auto missing = RunCli({"report", Out("no-such.ini"), "-o", pdf});
  EXPECT_EQ(missing.code, cli::kExitBadInput);
  EXPECT_NE(missing.err.find("Ошибка открытия файла"), std::string::npos);
  EXPECT_NE(missing.err.find("Проверьте наличие файла"), std::string::npos);
  EXPECT_FALSE(fs::exists(pdf));

  EXPECT_EQ(RunCli({"report", "-o", pdf}).code, cli::kExitBadInput);
  EXPECT_EQ(RunCli({"report", "a.ini", "b.ini", "-o", pdf}).code, cli::kExitBadInput);
  EXPECT_EQ(RunCli({"report", "a.ini", "--bogus"}).code, cli::kExitBadInput);
  EXPECT_FALSE(fs::exists(pdf));
}

TEST_F(ReportCli, TheBuiltToolWritesTheReport) {
  // A separate process: the tool has to bring up Qt by itself.
  std::string pdf = Out("e2e.pdf");
  std::string command = std::string("\"") + KESTRIN_CFG_EXE + "\" report \"" +
                        test::Fixture("language/lf_only_realistic.in") + "\" -o \"" + pdf +
                        "\" --date 01.02.2027";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::string text = test::PdfText(pdf);
  EXPECT_NE(text.find("Конфигурация устройства:"), std::string::npos);
  EXPECT_NE(text.find("Дата печати:01.02.2027"), std::string::npos);
}

#ifndef _WIN32
// With no locale and no run-time folder the tool still prints nothing of
// Qt's, and today's date in the Russian short form (it printed Qt's English
// note and "10 Dec 2026").
TEST_F(ReportCli, NoLocaleGivesRussianDateAndNoQtNotes) {
  const std::string pdf = Out("c.pdf");
  const std::string err = Out("err.txt");
  const std::string command = std::string("env -u XDG_RUNTIME_DIR -u LANGUAGE -u QT_QPA_PLATFORM LANG=C LC_ALL=C \"") +
                              KESTRIN_CFG_EXE + "\" report \"" + test::Fixture("language/lf_only_realistic.in") +
                              "\" -o \"" + pdf + "\" 2> \"" + err + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0) << test::ReadAll(err);
  EXPECT_EQ(test::ReadAll(err), "");
  const std::time_t now = std::time(nullptr);
  char today[16];
  std::strftime(today, sizeof today, "%d.%m.%Y", std::localtime(&now));
  EXPECT_NE(test::PdfText(pdf).find(std::string("Дата печати:") + today), std::string::npos) << today;
}
#endif

}  // namespace
}  // namespace kestrin
