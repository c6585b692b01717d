// Reading dialog templates: the prompt's layout, and refusing every truncated or malformed one
// without reading past its end.
#include <gtest/gtest.h>

#include "platform/dialogs/dialog_template.h"
#include "test_dialog_bytes.h"

namespace {

using namespace zorva::testing_support;
using zorva::platform::dialogs::parse_dialog_template;
using zorva::platform::dialogs::parse_dialog_template_unsized;

TEST(DialogTemplate, ThePromptTemplateIs292BytesAndReadsBackField) {
  const TemplateBytes t = prompt_template("Your name, please?");
  ASSERT_EQ(t.bytes.size(), 292u);
  const auto parsed = parse_dialog_template(t.bytes.data(), t.bytes.size());
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->style, 0x90C80080u);
  EXPECT_EQ(parsed->caption, "ZORVA_gets");
  EXPECT_EQ(parsed->x, 50);
  EXPECT_EQ(parsed->cy, 92);
  EXPECT_FALSE(parsed->has_menu);
  EXPECT_EQ(parsed->class_name, "");
  ASSERT_EQ(parsed->items.size(), 3u);
  const auto& edit = parsed->items[0];
  EXPECT_EQ(edit.class_name, "Edit");
  EXPECT_EQ(edit.id, 102);
  EXPECT_EQ(edit.style, 0x50810044u);
  EXPECT_EQ(edit.x, 8);
  EXPECT_EQ(edit.y, 30);
  EXPECT_EQ(edit.cx, 167);
  EXPECT_EQ(edit.cy, 37);
  EXPECT_EQ(edit.text, "");
  EXPECT_EQ(parsed->items[1].class_name, "Button");
  EXPECT_EQ(parsed->items[1].id, 101);
  EXPECT_EQ(parsed->items[1].text, "Okay");
  EXPECT_EQ(parsed->items[2].class_name, "Static");
  EXPECT_EQ(parsed->items[2].text.size(), 79u);
  EXPECT_EQ(parsed->items[2].text.substr(0, 19), "Your name, please? ");

  const auto unsized = parse_dialog_template_unsized(t.bytes.data());
  ASSERT_TRUE(unsized);
  EXPECT_EQ(unsized->items[2].text, parsed->items[2].text);
}

TEST(DialogTemplate, EveryTruncationIsRefusedWithoutReadingPastTheEnd) {
  const TemplateBytes t = prompt_template("");
  for (std::size_t size = 0; size < t.bytes.size(); ++size) {
    // An exact-size heap copy, so the address sanitizer sees any read past its end.
    auto copy = std::make_unique<unsigned char[]>(size == 0 ? 1 : size);
    std::copy_n(t.bytes.begin(), size, copy.get());
    EXPECT_FALSE(parse_dialog_template(copy.get(), size)) << "size " << size;
  }
  EXPECT_FALSE(parse_dialog_template(nullptr, 292));
}

TEST(DialogTemplate, MalformedPartsAreRefused) {
  TemplateBytes unknown_class;
  unknown_class.header(0x90C80080u, 1, 0, 0, 10, 10, "x");
  unknown_class.item(0x50000000u, 0, 0, 5, 5, 1, 0x0099, "");
  EXPECT_FALSE(parse_dialog_template(unknown_class.bytes.data(), unknown_class.bytes.size()));

  TemplateBytes bad_creation_size;
  bad_creation_size.header(0x90C80080u, 1, 0, 0, 10, 10, "x");
  bad_creation_size.item(0x50000000u, 0, 0, 5, 5, 1, 0x0082, "");
  bad_creation_size.bytes[bad_creation_size.bytes.size() - 2] = 1;  // counts less than itself
  EXPECT_FALSE(parse_dialog_template(bad_creation_size.bytes.data(), bad_creation_size.bytes.size()));

  TemplateBytes extended;
  extended.word(1);
  extended.word(0xFFFF);
  extended.bytes.resize(64, 0);
  EXPECT_FALSE(parse_dialog_template(extended.bytes.data(), extended.bytes.size()));

  // More items than any dialog holds: refused from the header alone when the size is unknown.
  TemplateBytes many;
  many.header(0x90C80080u, 60000, 0, 0, 10, 10, "x");
  auto exact = std::make_unique<unsigned char[]>(many.bytes.size());
  std::copy(many.bytes.begin(), many.bytes.end(), exact.get());
  EXPECT_FALSE(parse_dialog_template_unsized(exact.get()));
  EXPECT_FALSE(parse_dialog_template(exact.get(), many.bytes.size()));
}

TEST(DialogTemplate, FontNamedClassesOrdinalTitlesAndCreationData) {
  TemplateBytes t;
  t.header(0x90C80080u | 0x40u, 2, 1, 2, 3, 4, "Caption");
  t.word(8);
  t.text("Sans");
  t.align4();
  t.dword(0x50010000u);
  t.dword(0);
  for (int i = 0; i < 4; ++i) t.word(5);
  t.word(7);
  t.text("button");      // class by name
  t.word(0xFFFF);
  t.word(300);           // title by resource ordinal
  t.word(6);             // creation data: its size word plus four bytes
  t.dword(0xDEADBEEFu);
  t.item(0x50000000u, 0, 0, 5, 5, 9, 0x0082, std::string("caf\xE9", 4));
  t.bytes[t.bytes.size() - 6] = 0x42;  // a character above Latin-1 in the static's text
  t.bytes[t.bytes.size() - 5] = 0x20;
  const auto parsed = parse_dialog_template(t.bytes.data(), t.bytes.size());
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->point_size, 8);
  EXPECT_EQ(parsed->face, "Sans");
  ASSERT_EQ(parsed->items.size(), 2u);
  EXPECT_EQ(parsed->items[0].class_name, "button");
  EXPECT_EQ(parsed->items[0].text, "");
  EXPECT_EQ(parsed->items[0].creation_data.size(), 4u);
  EXPECT_EQ(parsed->items[1].id, 9);
  EXPECT_EQ(parsed->items[1].text, "caf?");
}

}  // namespace
