#include "model/row_colours.h"

#include <gtest/gtest.h>

namespace kestrin {
namespace {

TEST(RowColours, ConstantsHaveTheirValues) {
  EXPECT_EQ(kFocusColourRgb, 0xFFFF00u);
  EXPECT_EQ(kSelectedRowColourRgb, 0xFFFF96u);
  EXPECT_EQ(kGuardColourRgb, 0x71FF71u);
  EXPECT_EQ(kFireColourRgb, 0xFFAAAAu);
  EXPECT_EQ(kServiceColourRgb, 0xAAAAFFu);
  // The window colour must not be mistaken for any real colour.
  EXPECT_GT(kWindowColourRgb, 0xFFFFFFu);
}

TEST(RowColours, LoopsByType) {
  for (int t : {1, 2, 3, 4, 5, 6, 16}) EXPECT_EQ(SHL_GetColorType(t), kGuardColourRgb) << t;
  for (int t : {8, 9, 10, 11, 12}) EXPECT_EQ(SHL_GetColorType(t), kFireColourRgb) << t;
  for (int t : {14, 15}) EXPECT_EQ(SHL_GetColorType(t), kServiceColourRgb) << t;
  for (int t : {-1, 0, 7, 13, 17, 255}) EXPECT_EQ(SHL_GetColorType(t), kWindowColourRgb) << t;
}

TEST(RowColours, RelaysByType) {
  for (int t : {1, 5}) EXPECT_EQ(RELE_GetColorType(t), kGuardColourRgb) << t;
  for (int t : {6, 9}) EXPECT_EQ(RELE_GetColorType(t), kFireColourRgb) << t;
  EXPECT_EQ(RELE_GetColorType(10), kServiceColourRgb);
  for (int t : {0, 11, -1, 255}) EXPECT_EQ(RELE_GetColorType(t), kWindowColourRgb) << t;
}

TEST(RowColours, KeysByMode) {
  EXPECT_EQ(KEY_GetColorType(0), kGuardColourRgb);
  EXPECT_EQ(KEY_GetColorType(1), kFireColourRgb);
  EXPECT_EQ(KEY_GetColorType(2), kServiceColourRgb);
  EXPECT_EQ(KEY_GetColorType(3), kWindowColourRgb);
  EXPECT_EQ(KEY_GetColorType(-1), kWindowColourRgb);
}

}  // namespace
}  // namespace kestrin
