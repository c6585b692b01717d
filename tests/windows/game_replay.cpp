// Plays the shooter from a fixed seed through a fixed script of events and writes the world
// after every pass to "game.txt", and the last frame as a picture listed in "game-pictures.txt".
// The script "ZORVA.SCR" is written here, the same on every platform, and played back with the
// "&Playback Script" command, so no live input or timing can enter the game.
#include <cstdio>

#include "differential_output.h"
#include "game_loop.h"
#include "internal/library_state.h"
#include "internal/menu_ids.h"
#include "internal/script.h"

namespace {

constexpr unsigned int kSeed = 20261209;
constexpr int kScriptLines = 700;

// The script: runs of ticks, the game's keys, other keys and clicks, from a fixed sequence.
// Returns the number of events it holds.
int write_script() {
  std::FILE* script = windiff::open_output(zorva::kScriptFileName);
  shooter::RandomGenerator choice;
  shooter::seed_random(choice, 7);
  const char keys[] = {' ', ' ', ' ', ' ', ' ', ' ', ',', '.', '4', '6', '2', '8', 'x'};
  int events = 0;
  for (int line = 0; line < kScriptLines; ++line) {
    const int what = shooter::random_mod(choice, 10);
    if (what < 4) {
      const int run = 1 + shooter::random_mod(choice, 3);
      std::fprintf(script, "ZORVA_PERIODIC(%d);\n", run);
      events += run;
    } else if (what < 9) {
      std::fprintf(script, "ZORVA_KBD(%d);\n", keys[shooter::random_mod(choice, sizeof keys)]);
      ++events;
    } else {
      std::fprintf(script, "ZORVA_MOUSE(%d, %d);\n", shooter::random_mod(choice, 601) - 300,
                   shooter::random_mod(choice, 500) - 250);
      ++events;
    }
  }
  std::fclose(script);
  return events;
}

void write_points(std::FILE* out, const char* name, const Point* points, int count) {
  std::fprintf(out, " %s", name);
  for (int i = 0; i < count; ++i) std::fprintf(out, " %d,%d", points[i].x, points[i].y);
}

void write_world(std::FILE* out, int pass, const shooter::World& world) {
  std::fprintf(out, "pass %d event %d key %d | kills %d damage %d | ship %d,%d dir %d speed %d fire %d |"
               " scroll %d | enemies",
               pass, world.event.kind, world.event.key, world.kills, world.damage, world.ship_x,
               world.ship_y, world.ship_direction, world.ship_speed, world.fire_requested,
               world.scroll_counter);
  for (const shooter::Enemy& e : world.enemies) {
    std::fprintf(out, " %d:%d,%d:%d:%d", e.hit_points, e.x, e.y, e.descent, e.dx);
  }
  write_points(out, "| bullets", world.bullets.data(), shooter::kBulletCount);
  write_points(out, "| bombs", world.bombs.data(), shooter::kBombCount);
  std::fprintf(out, "\n");
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_mode) {
  const int events = write_script();
  std::FILE* out = windiff::open_output("game.txt");
  shooter::World world;
  shooter::game_start(world, instance, previous_instance, command_line, show_mode, kSeed);
  windiff::fix_origin();
  // Ticks come only from the script: the live animation that the game starts is halted.
  ZORVA_set_animation(ANIMATION_HALT);
  PostMessageA(zorva::g_state.draw_window, WM_COMMAND, zorva::kCommandPlayback, 0);
  write_world(out, 0, world);
  int pass = 0;
  while (pass < events) {
    shooter::game_pass(world);
    write_world(out, ++pass, world);
  }
  std::fprintf(out, "playing back after %d passes: %d\n", pass, zorva::g_state.playing_back);
  // The script is used up: the next call reports its end, then the Quit command ends the game.
  PostMessageA(zorva::g_state.draw_window, WM_COMMAND, zorva::kCommandQuit, 0);
  while (world.quit == 0) {
    shooter::game_pass(world);
    write_world(out, ++pass, world);
  }
  windiff::write_log_ring(out);
  std::fclose(out);

  const bool saved = windiff::write_surface_ppm("game-final.ppm");
  std::FILE* pictures = windiff::open_output("game-pictures.txt");
  std::fprintf(pictures, "game-final-frame measured game-final.ppm\n");
  std::fclose(pictures);
  ZORVA_finish();
  return saved ? 0 : 1;
}
