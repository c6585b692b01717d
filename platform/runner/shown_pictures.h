// What the program's main window showed: its client area as last shown, and, when asked for,
// each changed picture it showed as a numbered PNG file.
#pragma once

#include <string>
#include <utility>

#include "platform/core/frame_view.h"
#include "png/rgb_image.h"

namespace zorva::platform {
struct Window;
}

namespace zorva::platform::runner {

class ShownPictures {
 public:
  // Frames go to `frames_dir` (empty: none).
  explicit ShownPictures(std::string frames_dir) : frames_dir_(std::move(frames_dir)) {}

  // The window was presented with `frame` (its framebuffer with any popup drawn over it).
  void shown(const Window& window, const FrameView& frame);
  bool has_picture() const { return has_picture_; }
  const png::RgbImage& last() const { return last_; }
  int frames_written() const { return frames_written_; }

 private:
  void write_frame();

  std::string frames_dir_;
  png::RgbImage last_;
  bool has_picture_ = false;
  int frames_written_ = 0;
  bool frames_failed_ = false;
};

// The name of frame `number` (from 1): frame-00001.png, ...
std::string frame_name(int number);

}  // namespace zorva::platform::runner
