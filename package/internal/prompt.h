// The text prompt's dialog template and procedure.
#pragma once

#include <array>
#include <cstddef>

#include "platform/win32.h"
#include "zorva.h"

namespace zorva {

inline constexpr std::size_t kPromptTemplateSize = 292;
inline constexpr int kPromptButtonId = 101;
inline constexpr int kPromptFieldId = 102;
inline constexpr int kPromptTextId = 103;
inline constexpr int kPromptShownChars = 79;
inline constexpr int kPromptReplyBytes = 256;

struct alignas(4) PromptTemplate {
  std::array<unsigned char, kPromptTemplateSize> bytes{};
};

// Builds the in-memory dialog template: caption "ZORVA_gets", a text field, an "Okay" button
// and the prompt cut or padded with blanks to 79 characters.
PromptTemplate build_prompt_template(const char* prompt);

INT_PTR CALLBACK prompt_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace zorva
