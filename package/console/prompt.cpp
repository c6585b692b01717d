// ZORVA_gets: a modal dialog with the prompt, a text field and an "Okay" button, built afresh
// as an in-memory template at every call.
#include <cstring>

#include "internal/console.h"
#include "internal/library_state.h"
#include "internal/prompt.h"
#include "platform/win32.h"

namespace zorva {
namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kFieldStyle =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kPromptTextStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kStaticClass = 0x0082;

// Appends the template's parts at their published positions: 16-bit words, each item on a
// 4-byte boundary. Writes past the end are dropped (the layout fills the buffer exactly).
class TemplateWriter {
 public:
  explicit TemplateWriter(PromptTemplate& target) : bytes_(target.bytes) {}

  template <typename Record>
  void record(const Record& value) {
    raw(&value, sizeof value);
  }
  void word(WORD value) { raw(&value, sizeof value); }
  // Each 8-bit character becomes one 16-bit character (bytes 128-255 as Latin-1).
  void text(const char* chars, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) word(static_cast<unsigned char>(chars[i]));
    word(0);
  }
  void align_to_four() { offset_ = (offset_ + 3) & ~std::size_t{3}; }
  std::size_t offset() const { return offset_; }

 private:
  void raw(const void* data, std::size_t size) {
    if (offset_ + size > bytes_.size()) return;
    std::memcpy(bytes_.data() + offset_, data, size);
    offset_ += size;
  }
  std::array<unsigned char, kPromptTemplateSize>& bytes_;
  std::size_t offset_ = 0;
};

void add_item(TemplateWriter& writer, DWORD style, short x, short y, short cx, short cy, WORD id,
              WORD control_class, const char* text, std::size_t text_length) {
  writer.align_to_four();
  DLGITEMTEMPLATE item{};
  item.style = style;
  item.dwExtendedStyle = 0;
  item.x = x;
  item.y = y;
  item.cx = cx;
  item.cy = cy;
  item.id = id;
  writer.record(item);
  writer.word(0xFFFF);  // the control class given by its ordinal
  writer.word(control_class);
  writer.text(text, text_length);
  writer.word(0);  // no creation data
}

}  // namespace

PromptTemplate build_prompt_template(const char* prompt) {
  PromptTemplate result;
  TemplateWriter writer(result);

  DLGTEMPLATE header{};
  header.style = kDialogStyle;
  header.dwExtendedStyle = 0;
  header.cdit = 3;
  header.x = 50;
  header.y = 50;
  header.cx = 185;
  header.cy = 92;
  writer.record(header);
  writer.word(0);  // no menu
  writer.word(0);  // the default dialog class
  static const char kCaption[] = "ZORVA_gets";
  writer.text(kCaption, sizeof kCaption - 1);

  add_item(writer, kFieldStyle, 8, 30, 167, 37, kPromptFieldId, kEditClass, "", 0);
  static const char kButtonText[] = "Okay";
  add_item(writer, kButtonStyle, 67, 74, 50, 14, kPromptButtonId, kButtonClass, kButtonText,
           sizeof kButtonText - 1);

  char shown[kPromptShownChars];
  std::memset(shown, ' ', sizeof shown);
  if (prompt != nullptr) {
    const std::size_t length = strnlen(prompt, kPromptShownChars);
    std::memcpy(shown, prompt, length);
  }
  add_item(writer, kPromptTextStyle, 8, 3, 167, 24, kPromptTextId, kStaticClass, shown,
           sizeof shown);
  return result;
}

INT_PTR CALLBACK prompt_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      g_state.prompt_buffer = reinterpret_cast<char*>(lparam);
      return 1;  // the platform puts the focus on the text field
    case WM_COMMAND:
      if (wparam != static_cast<WPARAM>(kPromptButtonId)) return 0;
      if (g_state.prompt_buffer != nullptr) {
        GetDlgItemTextA(dialog, kPromptFieldId, g_state.prompt_buffer, kPromptReplyBytes);
      }
      EndDialog(dialog, 1);
      return 1;
    default:
      return 0;
  }
}

}  // namespace zorva

extern "C" int ZORVA_gets(const char* prompt, char* buffer) {
  using namespace zorva;
  if (buffer == nullptr) {
    ZORVA_log("ZORVA_gets needs a buffer of 256 characters; no text was read.\n");
    return 0;
  }
  draw_queued_lines();  // the dialog's own message loop shows the windows
  const PromptTemplate dialog_template = build_prompt_template(prompt);
  const INT_PTR result = DialogBoxIndirectParamA(
      g_state.instance, reinterpret_cast<LPCDLGTEMPLATEA>(dialog_template.bytes.data()),
      g_state.draw_window, prompt_dialog_proc, reinterpret_cast<LPARAM>(buffer));
  return result == -1 ? 0 : 1;
}
