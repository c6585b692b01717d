#include "game_loop.h"

#include "bombs.h"
#include "bullets.h"
#include "collisions.h"
#include "enemies.h"
#include "ship.h"
#include "starfield.h"

namespace shooter {

void game_start(World& world, HINSTANCE instance, HINSTANCE previous_instance,
                LPSTR command_line, int show_mode, unsigned int seed) {
  world.fire_requested = 0;
  world.scroll_counter = 0;
  world.kills = 0;
  world.damage = 0;
  world.quit = 0;
  world.bullets = free_slots<kBulletCount>();
  world.bombs = free_slots<kBombCount>();
  seed_random(world.random, seed);

  ZORVA_start(instance, previous_instance, command_line, show_mode);
  ZORVA_set_logging(0);
  ZORVA_clear();
  ZORVA_set_animation(ANIMATION_RUN);

  world.ship_x = kShipStartX;
  world.ship_y = kShipY;
  world.ship_direction = kShipStartDirection;
  world.ship_speed = kShipStartSpeed;
  init_starfield(world.random, world.far_stars, world.mid_stars, world.near_stars);
  draw_starfield(world.scroll_counter, world.far_stars, world.mid_stars, world.near_stars);
  advance_scroll(world.scroll_counter);
  spawn_formation(world.random, world.enemies);
  draw_enemies(world.enemies);
  draw_ship(world.ship_x, world.ship_y);
}

void game_apply_event(World& world, int kind, char key) {
  switch (kind) {
    case ZORVA_KBD:
      handle_key(key, world.ship_direction, world.fire_requested, world.ship_speed);
      break;
    case ZORVA_PERIODIC:
      move_enemies(world.random, world.enemies, world.bullets);
      if (world.enemies[kLastEnemy].y < kFormationGoneBelow) {
        spawn_formation(world.random, world.enemies);
      }
      move_ship(world.ship_x, world.ship_direction, world.ship_speed);
      break;
    case ZORVA_QUIT:
      world.quit = 1;
      break;
    default:  // clicks and anything else only move and draw
      break;
  }
}

void game_move_and_draw(World& world) {
  draw_starfield(world.scroll_counter, world.far_stars, world.mid_stars, world.near_stars);
  advance_scroll(world.scroll_counter);
  draw_ship(world.ship_x, world.ship_y);
  draw_enemies(world.enemies);
  run_bullet_pass(world.bullets, world.ship_x, world.fire_requested, world.enemies, world.kills);
  drop_bombs(world.random, world.enemies, world.bombs);
  step_bombs(world.random, world.bombs, world.ship_x, world.ship_y, world.damage);
  draw_bombs(world.bombs);
  check_ship_collisions(world.random, world.ship_x, world.ship_y, world.enemies, world.damage);
  ZORVA_draw_textf(RED, kStatusX, kStatusY, kStatusPointSize, "Kills: %d, Damage: %d",
                   world.kills, world.damage);
}

void game_pass(World& world) {
  EventScratch& event = world.event;
  event.kind = ZORVA_next_event(&event.mouse_x, &event.mouse_y, &event.key);
  game_apply_event(world, event.kind, event.key);
  game_move_and_draw(world);
}

int game_run(World& world) {
  while (world.quit == 0) game_pass(world);
  ZORVA_finish();
  return 0;
}

}  // namespace shooter
