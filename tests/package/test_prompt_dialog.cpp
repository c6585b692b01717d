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

// The dialog that has the keyboard focus: the text field's parent while the prompt is up.
HWND open_prompt() { return GetParent(GetFocus()); }

void press_return() {
  headless::key_down(VK_RETURN);
  headless::key_up(VK_RETURN);
}

TEST_F(Prompt, TheFieldsTextComesBackUnchangedLineBreaksAndBlanksIncluded) {
  when_idle([] { SetDlgItemTextA(open_prompt(), kPromptFieldId, "  first line\r\nsecond  "); });
  when_idle(press_return);
  char buffer[256];
  EXPECT_EQ(ZORVA_gets("Two lines?", buffer), 1);
  EXPECT_STREQ(buffer, "  first line\r\nsecond  ");
}

TEST_F(Prompt, APastedAnswerIsCutTo255CharactersAndNeverOverflowsTheBuffer) {
  headless::set_clipboard_text(std::string(1000, 'v'));
  when_idle([] {
    headless::key_down(VK_CONTROL);
    headless::key_down('V');
    headless::key_up('V');
    headless::key_up(VK_CONTROL);
  });
  when_idle(press_return);
  char buffer[300];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(ZORVA_gets("Paste here", buffer), 1);
  EXPECT_EQ(std::string(buffer), std::string(255, 'v'));
  EXPECT_EQ(std::string(buffer + 256, 44), std::string(44, '#'));  // past the 256 bytes: untouched
}

TEST_F(Prompt, TheCloseBoxLeavesTheDialogOpen) {
  HWND dialog = nullptr;
  when_idle([&dialog] {
    dialog = open_prompt();
    headless::close_request(dialog);
  });
  when_idle([&dialog] {
    EXPECT_TRUE(IsWindow(dialog));
    headless::type_text("still here");
  });
  when_idle(press_return);
  char buffer[256];
  EXPECT_EQ(ZORVA_gets("Close me?", buffer), 1);
  EXPECT_STREQ(buffer, "still here");
  EXPECT_FALSE(IsWindow(dialog));
}

TEST_F(Prompt, TheDrawingWindowKeepsTickingBehindTheDialog) {
  g_state.tick_pending = 0;
  when_idle([] { headless::advance_ms(350); });
  when_idle([] {
    EXPECT_EQ(g_state.tick_pending, 1);
    press_return();
  });
  char buffer[256];
  EXPECT_EQ(ZORVA_gets("Wait", buffer), 1);
}

TEST_F(Prompt, ClicksMadeWhileTheDialogIsUpAreNotReturnedAfterwards) {
  when_idle([] { click_logical(20, 30); });
  when_idle(press_return);
  char buffer[256];
  ASSERT_EQ(ZORVA_gets("Click elsewhere", buffer), 1);

  when_idle([] { headless::type_text("k"); });
  const Event e = next_event();
  EXPECT_EQ(e.kind, ZORVA_KBD);
  EXPECT_EQ(e.key, 'k');
}

TEST_F(Prompt, ADialogThatCannotBeCreatedReturnsZeroAndLeavesTheBufferAlone) {
  // An owner that no longer exists: the platform refuses to create the dialog.
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = DefWindowProcA;
  window_class.lpszClassName = "PromptTestOwner";
  RegisterClassA(&window_class);
  HWND gone = CreateWindowExA(0, "PromptTestOwner", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                              nullptr, nullptr, nullptr);
  ASSERT_NE(gone, nullptr);
  DestroyWindow(gone);
  const HWND draw_window = g_state.draw_window;
  g_state.draw_window = gone;
  char buffer[256] = "unchanged";
  EXPECT_EQ(ZORVA_gets("Anyone?", buffer), 0);
  g_state.draw_window = draw_window;
  EXPECT_STREQ(buffer, "unchanged");
}

}  // namespace
}  // namespace zorva::testing_support
