// The shooter's whole world: one record owned by the entry operation and handed by
// reference to the operations that read or change its pieces. Fixed sizes, no allocation.
#pragma once

#include <array>
#include <climits>
#include <cstddef>

#include "random.h"
#include "zorva.h"

namespace shooter {

// The height that marks a free bullet or bomb slot; a slot above it is in flight.
inline constexpr int INACTIVE_Y = -1000;

inline constexpr int kBulletCount = 8;  // used as 4 pairs
inline constexpr int kBombCount = 4;
inline constexpr int kEnemyCount = 9;
inline constexpr int kFarStarCount = 500;
inline constexpr int kMidStarCount = 200;
inline constexpr int kNearStarCount = 50;

inline constexpr int kShipStartX = 0;
inline constexpr int kShipY = -220;
inline constexpr int kShipStartDirection = +1;
inline constexpr int kShipStartSpeed = 9;

// One enemy craft. hit_points 3 to 0 while alive, -1 once destroyed.
struct Enemy {
  int hit_points;
  int x;
  int y;
  int descent;  // units dropped per tick
  int dx;       // signed horizontal units per tick; never 0

  friend bool operator==(const Enemy&, const Enemy&) = default;
};

using Formation = std::array<Enemy, kEnemyCount>;
using BulletSlots = std::array<Point, kBulletCount>;
using BombSlots = std::array<Point, kBombCount>;
using FarStars = std::array<Point, kFarStarCount>;
using MidStars = std::array<Point, kMidStarCount>;
using NearStars = std::array<Point, kNearStarCount>;

// What the last ZORVA_next_event call returned. The mouse position is kept but never used.
struct EventScratch {
  int kind = 0;
  int mouse_x = 0;
  int mouse_y = 0;
  char key = 0;
};

template <std::size_t N>
constexpr std::array<Point, N> free_slots() {
  std::array<Point, N> slots{};
  for (Point& slot : slots) slot = Point{0, INACTIVE_Y};
  return slots;
}

struct World {
  int kills = 0;
  int damage = 0;
  int ship_x = kShipStartX;
  int ship_y = kShipY;
  int ship_direction = kShipStartDirection;
  int ship_speed = kShipStartSpeed;
  int fire_requested = 0;
  int scroll_counter = 0;
  BulletSlots bullets = free_slots<kBulletCount>();
  BombSlots bombs = free_slots<kBombCount>();
  FarStars far_stars{};
  MidStars mid_stars{};
  NearStars near_stars{};
  Formation enemies{};
  int quit = 0;
  EventScratch event;
  RandomGenerator random;
};

// Distance between two coordinates, computed wide so no pair of ints can overflow.
inline long long distance(int a, int b) {
  long long d = static_cast<long long>(a) - b;
  return d < 0 ? -d : d;
}

// Adds one to a counter that only grows; it stops at the largest int instead of wrapping.
inline void count_one(int& counter) {
  if (counter < INT_MAX) ++counter;
}

inline bool in_flight(const Point& slot) { return slot.y > INACTIVE_Y; }

}  // namespace shooter
