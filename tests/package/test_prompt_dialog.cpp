// The text prompt: its in-memory template, and the dialog run through typed input.
#include <cstring>
#include <string>

#include "internal/prompt.h"
#include "test_events_fixture.h"

namespace zorva::testing_support {
namespace {

// Reads the template back in its published layout.
class TemplateReader {
 public:
  explicit TemplateReader(const PromptTemplate& t) : bytes_(t.bytes.data()) {}
  template <typename Record>
  Record record() {
    Record value;
    std::memcpy(&value, bytes_ + offset_, sizeof value);
    offset_ += sizeof value;
    return value;
  }
  WORD word() { return record<WORD>(); }
  std::u16string text() {
    std::u16string s;
    for (WORD c = word(); c != 0; c = word()) s.push_back(static_cast<char16_t>(c));
    return s;
  }
  void align() { offset_ = (offset_ + 3) & ~std::size_t{3}; }
  std::size_t offset() const { return offset_; }

 private:
  const unsigned char* bytes_;
  std::size_t offset_ = 0;
};

struct Item {
  DLGITEMTEMPLATE header;
  WORD control_class;
  std::u16string text;
};

Item read_item(TemplateReader& r) {
  r.align();
  Item item{r.record<DLGITEMTEMPLATE>(), 0, {}};
  EXPECT_EQ(r.word(), 0xFFFF);
  item.control_class = r.word();
  item.text = r.text();
  EXPECT_EQ(r.word(), 0);  // no creation data
  return item;
}

TEST(PromptTemplate, FillsExactly292BytesInThePublishedLayout) {
  const PromptTemplate t = build_prompt_template("Your name?");
  TemplateReader r(t);
  const auto header = r.record<DLGTEMPLATE>();
  EXPECT_EQ(header.style, 0x90C80080u);
  EXPECT_EQ(header.cdit, 3);
  EXPECT_EQ(header.x, 50);
  EXPECT_EQ(header.cx, 185);
  EXPECT_EQ(header.cy, 92);
  EXPECT_EQ(r.word(), 0);  // menu
  EXPECT_EQ(r.word(), 0);  // class
  EXPECT_EQ(r.text(), u"ZORVA_gets");

  const Item field = read_item(r);
  EXPECT_EQ(field.header.style, 0x50810044u);
  EXPECT_EQ(field.header.id, 102);
  EXPECT_EQ(field.control_class, 0x0081);
  EXPECT_EQ(field.text, u"");
  const Item button = read_item(r);
  EXPECT_EQ(button.header.style, 0x50010001u);
  EXPECT_EQ(button.header.id, 101);
  EXPECT_EQ(button.header.x, 67);
  EXPECT_EQ(button.text, u"Okay");
  const Item prompt = read_item(r);
  EXPECT_EQ(prompt.header.style, 0x50020000u);
  EXPECT_EQ(prompt.header.id, 103);
  EXPECT_EQ(prompt.control_class, 0x0082);
  EXPECT_EQ(prompt.text, u"Your name?" + std::u16string(69, u' '));
  EXPECT_EQ(r.offset(), kPromptTemplateSize);
}

TEST(PromptTemplate, PromptIsCutTo79CharactersAndWidenedAsLatin1) {
  for (const std::string& prompt : {std::string(100, 'p'), std::string(), std::string("\xE9t\xE9")}) {
    const PromptTemplate t = build_prompt_template(prompt.c_str());
    TemplateReader r(t);
    r.record<DLGTEMPLATE>();
    r.word();
    r.word();
    r.text();
    read_item(r);
    read_item(r);
    const std::u16string shown = read_item(r).text;
    ASSERT_EQ(shown.size(), 79u);
    for (std::size_t i = 0; i < prompt.size() && i < 79; ++i) {
      EXPECT_EQ(shown[i], static_cast<unsigned char>(prompt[i]));
    }
    for (std::size_t i = prompt.size(); i < 79; ++i) EXPECT_EQ(shown[i], u' ');
  }
}

using Prompt = StartedPackage;

TEST_F(Prompt, EscapeKeepsTheDialogOpenAndReturnEndsItWithTheText) {
  when_idle([] { headless::key_down(VK_ESCAPE); headless::key_up(VK_ESCAPE); });
  when_idle([] { headless::type_text("Ada"); });
  when_idle([] { headless::key_down(VK_RETURN); headless::key_up(VK_RETURN); });
  char buffer[256] = "unchanged";
  EXPECT_EQ(ZORVA_gets("Name?", buffer), 1);
  EXPECT_STREQ(buffer, "Ada");
  EXPECT_EQ(g_state.prompt_buffer, buffer);
}

TEST_F(Prompt, EmptyAndOverlongAnswers) {
  when_idle([] { headless::key_down(VK_RETURN); headless::key_up(VK_RETURN); });
  char buffer[256] = "unchanged";
  EXPECT_EQ(ZORVA_gets("", buffer), 1);
  EXPECT_STREQ(buffer, "");

  when_idle([] { headless::type_text(std::string(300, 'k')); });
  when_idle([] { headless::key_down(VK_RETURN); headless::key_up(VK_RETURN); });
  EXPECT_EQ(ZORVA_gets("long", buffer), 1);
  EXPECT_EQ(std::string(buffer), std::string(255, 'k'));

  EXPECT_EQ(ZORVA_gets("no buffer", nullptr), 0);
}

}  // namespace
}  // namespace zorva::testing_support
