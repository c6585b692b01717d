// The SDL2 backend: each shown top-level window is an SDL window showing its framebuffer.
#pragma once

#include <SDL.h>

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/backend/backend.h"

namespace zorva::platform {

class SdlBackend final : public Backend {
 public:
  // Initialises SDL video on the driver the environment names; on failure, `error` says why.
  explicit SdlBackend(std::string& error);
  ~SdlBackend() override;

  bool open_window(Window& window) override;
  void close_window(Window& window) override;
  void set_title(Window& window) override;
  void present(Window& window) override;
  void poll_input() override;
  void wait_for_input(std::optional<std::uint64_t> deadline_ms) override;
  int screen_width() override;
  int screen_height() override;
  std::uint64_t now_ms() override;

  bool ready() const { return ready_; }

 private:
  struct PendingKey {
    int vk = 0;
    bool repeat = false;
    bool active = false;
  };
  void handle(const SDL_Event& event);
  void flush_pending_key(unsigned char typed);
  void release_held_keys();
  HWND hwnd_of(Uint32 window_id) const;

  bool ready_ = false;
  std::unordered_map<Uint32, HWND> windows_;
  std::unordered_set<Uint32> frame_fitted_;  // windows whose frame was checked against the screen
  PendingKey pending_key_;
  std::vector<std::uint32_t> overlay_frame_;
};

// The SDL video drivers to try for this environment, in order; none (with the reason) when
// no display is named at all.
std::vector<std::string> video_drivers(std::string& why);

}  // namespace zorva::platform
