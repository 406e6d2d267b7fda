#include "model/type_codes.h"

#include <gtest/gtest.h>

#include <string>

#include "model/catalogues.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

using test::W;

bool NameStarts(const std::string& text, const char* utf8) { return CatalogueName(text).rfind(W(utf8), 0) == 0; }
bool NameHas(const std::string& text, const char* utf8) {
  return CatalogueName(text).find(W(utf8)) != std::string::npos;
}

// The groups the colours, checks and report use must be the ones the
// catalogue names: a renumbered code would show here.
TEST(TypeCodes, LoopGroupsFollowTheCatalogueNames) {
  for (int code = -1; code <= 256; ++code) {
    const std::string text = LoopTypeText(code);
    EXPECT_EQ(IsGuardLoop(code), !text.empty() && NameStarts(text, "охранный")) << code;
    EXPECT_EQ(IsFireLoop(code), !text.empty() && NameStarts(text, "пожарный")) << code;
    EXPECT_EQ(IsServiceLoop(code), !text.empty() && (NameStarts(text, "ПАТРУЛЬ") || NameStarts(text, "УПРАВЛЕНИЕ")))
        << code;
    EXPECT_EQ(LoopTypeHasDelay(code), !text.empty() && NameHas(text, "задержкой")) << code;
  }
  EXPECT_EQ(CatalogueName(LoopTypeText(Code(LoopType::kUnused))), W("не используется"));
  EXPECT_EQ(CatalogueName(LoopTypeText(Code(LoopType::kPatrol))), W("ПАТРУЛЬ"));
  EXPECT_EQ(CatalogueName(LoopTypeText(Code(LoopType::kControl))), W("УПРАВЛЕНИЕ"));
}

TEST(TypeCodes, RelayGroupsFollowTheCatalogueNames) {
  for (int code = -1; code <= 256; ++code) {
    const std::string text = RelayTypeText(code);
    EXPECT_EQ(IsGuardRelay(code), !text.empty() && NameHas(text, "(охрана)")) << code;
    EXPECT_EQ(IsFireRelay(code), !text.empty() && NameHas(text, "(пожар)")) << code;
  }
  EXPECT_EQ(CatalogueName(RelayTypeText(Code(RelayType::kUnused))), W("не используется"));
  EXPECT_EQ(CatalogueName(RelayTypeText(Code(RelayType::kLock))), W("ЗАМОК"));
  EXPECT_EQ(CatalogueName(RelayTypeText(Code(RelayType::kSiren1Guard))), W("СИРЕНА-1(охрана)"));
  EXPECT_EQ(CatalogueName(RelayTypeText(Code(RelayType::kBannerGuard))), W("ТРАНСПАРАНТ(охрана)"));
}

// The rules as they stood when each copy spelled the numbers out.
TEST(TypeCodes, PredicatesKeepTheirCodesOverEveryNumber) {
  for (int code = -300; code <= 300; ++code) {
    EXPECT_EQ(LoopTypeHasDelay(code), code == 1 || code == 16) << code;
    EXPECT_EQ(LoopTypeExcludesPartition(code), code == 7 || code == 14) << code;
    EXPECT_EQ(RelayTypeHasTime(code), code != 0 && code != 10) << code;
    EXPECT_EQ(Is(code, LoopType::kControl), code == 15) << code;
    EXPECT_EQ(Is(code, KeyMode::kPatrol), code == 2) << code;
  }
}

TEST(TypeCodes, KeyModesAndTheirMarks) {
  EXPECT_EQ(CatalogueName(KeyModeText(Code(KeyMode::kArmDisarm))), W("Постановка/Снятие"));
  EXPECT_EQ(CatalogueName(KeyModeText(Code(KeyMode::kDuress))), W("Принуждение"));
  EXPECT_EQ(CatalogueName(KeyModeText(Code(KeyMode::kPatrol))), W("Патруль"));
  for (int mode : {0, 1, 2}) {
    const char mark = KeyModeMark(mode);
    if (mark != '\0') {
      EXPECT_EQ(KeyModeOfMark(mark), mode);
    }
  }
  EXPECT_EQ(KeyModeMark(1), '!');
  EXPECT_EQ(KeyModeMark(2), '*');
  EXPECT_EQ(KeyModeMark(0), '\0');
  EXPECT_EQ(KeyModeMark(7), '\0');
  EXPECT_EQ(KeyModeOfMark('A'), 0);
}

}  // namespace
}  // namespace kestrin
