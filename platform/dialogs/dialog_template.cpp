#include "platform/dialogs/dialog_template.h"

#include <cstdint>
#include <cstring>

namespace zorva::platform::dialogs {
namespace {

// Limits that hold when the size is unknown: far above anything a real dialog carries.
struct Limits {
  std::size_t max_items;
  std::size_t max_string_chars;
  std::size_t max_creation_bytes;
};
constexpr Limits kUnsizedLimits{255, 8192, 8192};

class Reader {
 public:
  Reader(const unsigned char* base, std::size_t size, const Limits& limits)
      : base_(base), size_(size), limits_(limits) {}

  bool ok() const { return ok_; }
  std::size_t offset() const { return offset_; }
  const Limits& limits() const { return limits_; }

  WORD word() {
    WORD value = 0;
    take(&value, sizeof value);
    return value;
  }
  DWORD dword() {
    DWORD value = 0;
    take(&value, sizeof value);
    return value;
  }
  short signed_word() { return static_cast<short>(word()); }

  void align(std::size_t to) {
    const std::size_t aligned = (offset_ + (to - 1)) & ~(to - 1);
    if (aligned > size_) ok_ = false;
    offset_ = ok_ ? aligned : offset_;
  }

  // A zero-terminated 16-bit string, narrowed.
  std::string string() {
    std::string text;
    while (ok_) {
      const WORD c = word();
      if (!ok_ || c == 0) break;
      if (text.size() >= limits_.max_string_chars) ok_ = false;
      text.push_back(narrow_char(c));
    }
    return text;
  }

  // The menu, class and title fields: 0x0000 none, 0xFFFF then an ordinal, else a string.
  struct NameOrOrdinal {
    bool present = false;
    bool ordinal = false;
    WORD number = 0;
    std::string name;
  };
  NameOrOrdinal name_or_ordinal() {
    NameOrOrdinal out;
    const WORD first = word();
    if (!ok_ || first == 0) return out;
    out.present = true;
    if (first == 0xFFFF) {
      out.ordinal = true;
      out.number = word();
      return out;
    }
    out.name.push_back(narrow_char(first));
    out.name += string();
    return out;
  }

  void bytes(std::vector<unsigned char>& out, std::size_t count) {
    if (!ok_ || count > limits_.max_creation_bytes || count > size_ - offset_) {
      ok_ = false;
      return;
    }
    out.assign(base_ + offset_, base_ + offset_ + count);
    offset_ += count;
  }

  void fail() { ok_ = false; }

 private:
  void take(void* out, std::size_t count) {
    if (!ok_ || count > size_ - offset_) {
      ok_ = false;
      return;
    }
    std::memcpy(out, base_ + offset_, count);
    offset_ += count;
  }

  const unsigned char* base_;
  std::size_t size_;
  Limits limits_;
  std::size_t offset_ = 0;
  bool ok_ = true;
};

const char* class_for_ordinal(WORD ordinal) {
  switch (ordinal) {
    case 0x0080: return "Button";
    case 0x0081: return "Edit";
    case 0x0082: return "Static";
    case 0x0083: return "ListBox";
    case 0x0084: return "ScrollBar";
    case 0x0085: return "ComboBox";
    default: return nullptr;
  }
}

bool read_item(Reader& in, DialogItemTemplate& item) {
  in.align(4);
  item.style = in.dword();
  item.ex_style = in.dword();
  item.x = in.signed_word();
  item.y = in.signed_word();
  item.cx = in.signed_word();
  item.cy = in.signed_word();
  item.id = in.word();
  const auto window_class = in.name_or_ordinal();
  if (!in.ok() || !window_class.present) return false;
  if (window_class.ordinal) {
    const char* name = class_for_ordinal(window_class.number);
    if (name == nullptr) return false;
    item.class_name = name;
  } else {
    item.class_name = window_class.name;
  }
  const auto title = in.name_or_ordinal();
  if (!title.ordinal) item.text = title.name;
  // Creation data: a size word that counts itself, then the data.
  const WORD creation_size = in.word();
  if (creation_size == 1) return false;
  if (creation_size >= 2) in.bytes(item.creation_data, creation_size - 2u);
  return in.ok();
}

std::optional<DialogTemplate> parse(const unsigned char* data, std::size_t size, const Limits& limits) {
  if (data == nullptr) return std::nullopt;
  Reader in(data, size, limits);
  DialogTemplate dialog;
  dialog.style = in.dword();
  dialog.ex_style = in.dword();
  const WORD count = in.word();
  dialog.x = in.signed_word();
  dialog.y = in.signed_word();
  dialog.cx = in.signed_word();
  dialog.cy = in.signed_word();
  if (!in.ok() || count > limits.max_items) return std::nullopt;
  // Version 1 and signature 0xFFFF open an extended template: not a layout we read.
  if (dialog.style == 0xFFFF0001u) return std::nullopt;

  const auto menu = in.name_or_ordinal();
  dialog.has_menu = menu.present;
  const auto window_class = in.name_or_ordinal();
  if (window_class.ordinal) return std::nullopt;  // registered classes are named here
  dialog.class_name = window_class.name;
  dialog.caption = in.string();
  if ((dialog.style & DS_SETFONT) != 0) {
    dialog.point_size = in.word();
    dialog.face = in.string();
  }
  if (!in.ok()) return std::nullopt;

  dialog.items.resize(count);
  for (DialogItemTemplate& item : dialog.items)
    if (!read_item(in, item)) return std::nullopt;
  return dialog;
}

}  // namespace

char narrow_char(WORD c) { return c < 256 ? static_cast<char>(static_cast<unsigned char>(c)) : '?'; }

std::optional<DialogTemplate> parse_dialog_template(const void* data, std::size_t size) {
  const Limits limits{0xFFFF, size, size};
  return parse(static_cast<const unsigned char*>(data), size, limits);
}

std::optional<DialogTemplate> parse_dialog_template_unsized(const void* data) {
  // Nothing is read beyond what the description asks for, so the bound only has to be
  // larger than any template the limits allow.
  return parse(static_cast<const unsigned char*>(data), SIZE_MAX / 2, kUnsizedLimits);
}

}  // namespace zorva::platform::dialogs
