// The edit field's text model and line layout.
#include <gtest/gtest.h>

#include "platform/dialogs/edit_buffer.h"
#include "platform/dialogs/edit_layout.h"

namespace {

using zorva::platform::dialogs::CharWidths;
using zorva::platform::dialogs::EditBuffer;
using zorva::platform::dialogs::EditLine;
using zorva::platform::dialogs::layout_lines;
using zorva::platform::dialogs::line_of;
using zorva::platform::dialogs::position_at_x;
using zorva::platform::dialogs::x_of;

TEST(EditBuffer, LineBreaksAreStoredAsCrLfAndHandledAsOne) {
  EditBuffer field(true);
  field.type_char('a');
  field.insert_line_break();
  field.type_char('b');
  EXPECT_EQ(field.text(), "a\r\nb");
  field.move_left();
  field.move_left();  // over the break in one step
  EXPECT_EQ(field.caret(), 1u);
  field.move_right();
  EXPECT_EQ(field.caret(), 3u);
  EXPECT_TRUE(field.backspace());  // removes the whole break
  EXPECT_EQ(field.text(), "ab");
  field.set_caret(1);
  field.insert_line_break();
  field.set_caret(1);
  EXPECT_TRUE(field.delete_forward());
  EXPECT_EQ(field.text(), "ab");
  field.set_text("x\r\ny");
  field.set_caret(2);  // between \r and \n: snapped before the break
  EXPECT_EQ(field.caret(), 1u);
}

TEST(EditBuffer, TypedCharactersAreEightBitAndControlCodesAreRefused) {
  EditBuffer field(false);
  EXPECT_TRUE(field.type_char(0xE9));   // Latin-1 e acute
  EXPECT_FALSE(field.type_char(0x20AC));  // the euro sign has no 8-bit form here
  EXPECT_FALSE(field.type_char(7));
  EXPECT_FALSE(field.type_char(127));
  EXPECT_FALSE(field.insert_line_break());  // single-line
  EXPECT_EQ(field.text(), "\xE9");
  EXPECT_FALSE(field.delete_forward());
  EXPECT_TRUE(field.backspace());
  EXPECT_FALSE(field.backspace());
  field.set_text("first\r\nsecond");
  EXPECT_EQ(field.text(), "first");
}

TEST(EditBuffer, ManyCharactersAreKeptWholeUpToTheFieldsLimit) {
  EditBuffer field(true);
  for (int i = 0; i < 100000; ++i) field.type_char('a' + i % 26);
  // As on Windows a field takes 30000 characters; the rest is refused, nothing else is lost.
  ASSERT_EQ(field.text().size(), EditBuffer::kDefaultLimit);
  EXPECT_EQ(field.caret(), EditBuffer::kDefaultLimit);
  EXPECT_EQ(field.text().substr(0, 27), "abcdefghijklmnopqrstuvwxyza");
  EXPECT_TRUE(field.take_hit_limit());
  EXPECT_FALSE(field.take_hit_limit());
}

CharWidths fixed_widths(int w) {
  CharWidths widths;
  widths.fill(w);
  return widths;
}

TEST(EditLayout, WrapsAtBlanksBreaksLongWordsAndKeepsHardBreaks) {
  const CharWidths widths = fixed_widths(10);
  const std::string text = "one two three\r\nabcdefghijkl\r\n";
  const auto lines = layout_lines(text, widths, 75, true);  // 7 characters a line
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(text.substr(lines[0].begin, lines[0].end - lines[0].begin), "one ");
  EXPECT_EQ(text.substr(lines[1].begin, lines[1].end - lines[1].begin), "two ");
  EXPECT_EQ(text.substr(lines[2].begin, lines[2].end - lines[2].begin), "three");
  EXPECT_EQ(text.substr(lines[3].begin, lines[3].end - lines[3].begin), "abcdefg");
  EXPECT_EQ(text.substr(lines[4].begin, lines[4].end - lines[4].begin), "hijkl");
  EXPECT_EQ(lines[5].begin, lines[5].end);  // the empty line after the last break
  EXPECT_EQ(layout_lines(text, widths, 75, false).size(), 3u);
  EXPECT_EQ(layout_lines("", widths, 75, true).size(), 1u);
  EXPECT_EQ(layout_lines("abc", widths, 1, true).size(), 3u);  // narrower than a character
}

TEST(EditLayout, CaretLinesAndColumns) {
  const CharWidths widths = fixed_widths(10);
  const std::string text = "one two\r\nx";
  const auto lines = layout_lines(text, widths, 45, true);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(line_of(lines, 4), 1u);  // where a wrapped line ends, the caret shows on the next
  EXPECT_EQ(line_of(lines, 7), 1u);  // before the hard break
  EXPECT_EQ(line_of(lines, 10), 2u);
  EXPECT_EQ(x_of(text, widths, lines[1], 6), 20);
  EXPECT_EQ(position_at_x(text, widths, lines[1], 24), 6u);
  EXPECT_EQ(position_at_x(text, widths, lines[1], 1000), 7u);
  EXPECT_EQ(position_at_x(text, widths, lines[1], -50), 4u);
}

}  // namespace
