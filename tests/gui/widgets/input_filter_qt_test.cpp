#include "gui/widgets/input_filter_qt.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "support/qt_modal_driver.h"

namespace kestrin {
namespace {

using test::TypeText;

TEST(InputFilterQt, CharactersAreJudgedByTheirWindows1251Byte) {
  EXPECT_TRUE(FilterAllowsChar(InputFilter::Text, QChar(0x0451)));       // ё is byte 184
  EXPECT_FALSE(FilterAllowsChar(InputFilter::TextSpace, QChar(0x0451)));
  EXPECT_TRUE(FilterAllowsChar(InputFilter::Text, QChar(0x2116)));       // № is byte 185
  EXPECT_FALSE(FilterAllowsChar(InputFilter::Text, QChar(0x00E4)));      // ä has no byte
  EXPECT_FALSE(FilterAllowsChar(InputFilter::Text, QChar(0x4E2D)));
  EXPECT_EQ(FilterQString(InputFilter::PhoneNumber, QStringLiteral("+7 (912) 34-5#*")),
            QStringLiteral("+7912345#*"));
  // A character outside the basic plane goes as a whole.
  EXPECT_EQ(FilterQString(InputFilter::Text, QStringLiteral("A😀B")), QStringLiteral("AB"));
}

TEST(InputFilterQt, ChangeFilterCleansPastedTextAndPutsCaretAtTheEnd) {
  QLineEdit edit;
  InstallChangeFilter(&edit, InputFilter::Digital);
  QApplication::clipboard()->setText(QStringLiteral("12a-3b 4"));
  edit.paste();
  EXPECT_EQ(edit.text(), QStringLiteral("1234"));
  EXPECT_EQ(edit.cursorPosition(), 4);

  edit.setCursorPosition(1);
  TypeText(&edit, QStringLiteral("9"));
  EXPECT_EQ(edit.text(), QStringLiteral("19234"));
  EXPECT_EQ(edit.cursorPosition(), 5);
  TypeText(&edit, QStringLiteral("x"));
  EXPECT_EQ(edit.text(), QStringLiteral("19234"));
}

TEST(InputFilterQt, KeyFilterKeepsTheCaretAndRespectsMaxLength) {
  QLineEdit edit;
  edit.setMaxLength(5);
  InstallKeyFilter(&edit, InputFilter::HexAndStar);
  TypeText(&edit, QStringLiteral("a*G1"));
  EXPECT_EQ(edit.text(), QStringLiteral("a*1"));
  edit.setCursorPosition(1);
  TypeText(&edit, QStringLiteral("zF"));
  EXPECT_EQ(edit.text(), QStringLiteral("aF*1"));
  EXPECT_EQ(edit.cursorPosition(), 2);
  TypeText(&edit, QStringLiteral("bcd"));
  EXPECT_EQ(edit.text().size(), 5);
}

}  // namespace
}  // namespace kestrin
