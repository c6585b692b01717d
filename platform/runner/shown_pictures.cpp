// Keeping the main window's shown client area, and writing frames.
#include "platform/runner/shown_pictures.h"

#include <algorithm>
#include <cstdio>

#include "platform/windows/window.h"
#include "png/png_writer.h"

namespace zorva::platform::runner {

std::string frame_name(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "frame-%05d.png", number);
  return name;
}

void ShownPictures::shown(const Window& window, const FrameView& frame) {
  ClientView view;
  if (!client_view(window.handle, view)) return;
  const int left = std::max<int>(view.clip.left, 0);
  const int top = std::max<int>(view.clip.top, 0);
  const int right = std::min<int>(view.clip.right, frame.width());
  const int bottom = std::min<int>(view.clip.bottom, frame.height());
  if (right <= left || bottom <= top) return;

  png::RgbImage picture;
  picture.width = right - left;
  picture.height = bottom - top;
  picture.pixels.reserve(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
  for (int y = top; y < bottom; ++y) {
    const std::uint32_t* row = frame.row(y);
    picture.pixels.insert(picture.pixels.end(), row + left, row + right);
  }
  const bool changed = !has_picture_ || picture.width != last_.width || picture.height != last_.height ||
                       picture.pixels != last_.pixels;
  if (!changed) return;
  last_ = std::move(picture);
  // The window as it first appears (its background: a program's drawing reaches it in a
  // later message turn) is no frame; every change after it is one.
  const bool first = !has_picture_;
  has_picture_ = true;
  if (!first && !frames_dir_.empty() && !frames_failed_) write_frame();
}

void ShownPictures::write_frame() {
  const std::string path = frames_dir_ + "/" + frame_name(frames_written_ + 1);
  std::string reason;
  if (!png::write_png(path, last_, reason)) {
    frames_failed_ = true;
    std::fprintf(stderr, "zorva: cannot write the frame %s: %s; no more frames are written\n", path.c_str(),
                 reason.c_str());
    return;
  }
  ++frames_written_;
}

}  // namespace zorva::platform::runner
