#include "model/catalogues.h"

#include <gtest/gtest.h>

#include "model/device.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

using test::W;

int HelpLines(const std::string& text) {
  std::string help = CatalogueHelp(text);
  if (help.empty()) return 0;
  int n = 1;
  for (char c : help) n += c == '\r';
  return n;
}

TEST(Catalogues, LoopTypesInOfferOrder) {
  std::vector<int> codes;
  for (int p = 1; p <= kLoopTypePositions; ++p) codes.push_back(LoopTypeCode(p));
  EXPECT_EQ(codes, (std::vector<int>{7, 1, 16, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 14, 15}));
  EXPECT_EQ(LoopTypeCode(0), 0);
  EXPECT_EQ(LoopTypeCode(16), 0);
  EXPECT_EQ(LoopTypeText(13), "");
  EXPECT_EQ(LoopTypeText(0), "");
  EXPECT_EQ(CatalogueName(LoopTypeText(7)), W("не используется"));
  EXPECT_EQ(CatalogueName(LoopTypeText(16)), W("охранный с фиксированной задержкой"));
  EXPECT_EQ(HelpLines(LoopTypeText(5)), 8);
  EXPECT_EQ(HelpLines(LoopTypeText(14)), 1);
  EXPECT_EQ(LoopTypeCatalogue()[13].picture, "Patrol.jpg");
  // Help lines are separated by a single CR, never CR LF.
  EXPECT_EQ(LoopTypeText(1).find('\n'), std::string::npos);
}

TEST(Catalogues, RelayTypes) {
  EXPECT_EQ(RelayTypeCode(0), 255);
  EXPECT_EQ(RelayTypeCode(12), 255);
  EXPECT_EQ(RelayTypeCode(1), 0);
  EXPECT_EQ(RelayTypeCode(11), 10);
  EXPECT_EQ(CatalogueName(RelayTypeText(10)), W("ЗАМОК"));
  std::string siren = RelayTypeText(8);
  EXPECT_EQ(CatalogueName(siren), W("СИРЕНА-1(пожар)"));
  EXPECT_EQ(HelpLines(siren), 4);
  EXPECT_EQ(CatalogueHelp(RelayTypeText(1)).substr(0, 24), W("Реле постоянно ВКЛЮЧЕНО."));
  EXPECT_EQ(RelayTypeText(11), "");
}

TEST(Catalogues, KeyModes) {
  EXPECT_EQ(KeyModeCode(1), 0);
  EXPECT_EQ(KeyModeCode(3), 2);
  EXPECT_EQ(KeyModeCode(4), 255);
  EXPECT_EQ(KeyModeShortName(0), W("Управление"));
  EXPECT_EQ(KeyModeShortName(2), W("Патруль"));
  EXPECT_EQ(KeyModeShortName(3), "");
  EXPECT_EQ(CatalogueName(KeyModeText(1)), W("Принуждение"));
  EXPECT_EQ(KeyModeText(5), "");
}

TEST(Catalogues, ModelTypeTexts) {
  T_Command_DEVICE m;
  m.SetDefaults();
  EXPECT_EQ(m.GetRelayTypeText(5), RelayTypeText(0));
  EXPECT_EQ(CatalogueName(m.GetRelayTypeText(5)), W("не используется"));
  EXPECT_EQ(m.GetLoopTypeText(9), "");
  EXPECT_EQ(m.GetLoopTypeText(1), LoopTypeText(7));
  EXPECT_EQ(m.GetRelayTypeText(1), RelayTypeText(4));
}

}  // namespace
}  // namespace kestrin
