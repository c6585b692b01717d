#include "platform/dialogs/edit_layout.h"

#include <algorithm>

namespace zorva::platform::dialogs {
namespace {

int width_of(const CharWidths& widths, char c) { return widths[static_cast<unsigned char>(c)]; }

// Splits one paragraph [begin, end) into wrapped lines.
void wrap_paragraph(std::string_view text, const CharWidths& widths, int width, std::size_t begin,
                    std::size_t end, std::vector<EditLine>& out) {
  std::size_t start = begin;
  while (true) {
    long long used = 0;
    std::size_t i = start;
    std::size_t last_space_end = 0;  // position after the last blank seen in this line
    for (; i < end; ++i) {
      used += width_of(widths, text[i]);
      if (used > width && i > start) break;
      if (text[i] == ' ') last_space_end = i + 1;
    }
    if (i >= end) {
      out.push_back(EditLine{start, end});
      return;
    }
    // Break after the last blank if there is one in this line, else inside the word.
    const std::size_t cut = (last_space_end > start && last_space_end <= i) ? last_space_end : i;
    out.push_back(EditLine{start, cut});
    start = cut;
  }
}

}  // namespace

std::vector<EditLine> layout_lines(std::string_view text, const CharWidths& widths, int width, bool wrap) {
  std::vector<EditLine> lines;
  std::size_t begin = 0;
  while (true) {
    std::size_t end = text.find("\r\n", begin);
    const bool last = end == std::string_view::npos;
    if (last) end = text.size();
    if (wrap && width > 0)
      wrap_paragraph(text, widths, width, begin, end, lines);
    else
      lines.push_back(EditLine{begin, end});
    if (last) break;
    begin = end + 2;
  }
  return lines;
}

std::size_t line_of(const std::vector<EditLine>& lines, std::size_t position) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool next_starts_here = i + 1 < lines.size() && lines[i + 1].begin == position;
    if (position <= lines[i].end && !next_starts_here) return i;
    if (position < lines[i].end) return i;
  }
  return lines.empty() ? 0 : lines.size() - 1;
}

int x_of(std::string_view text, const CharWidths& widths, const EditLine& line, std::size_t position) {
  long long x = 0;
  for (std::size_t i = line.begin; i < std::min(position, line.end); ++i) x += width_of(widths, text[i]);
  return static_cast<int>(std::min<long long>(x, 1 << 30));
}

std::size_t position_at_x(std::string_view text, const CharWidths& widths, const EditLine& line, int x) {
  long long left = 0;
  for (std::size_t i = line.begin; i < line.end; ++i) {
    const int w = width_of(widths, text[i]);
    if (x < left + (w + 1) / 2) return i;
    left += w;
  }
  return line.end;
}

}  // namespace zorva::platform::dialogs
