/*
 * zorva.h: the ZORVA package, the one header a program includes.
 *
 * A program defines WinMain, calls ZORVA_start with its four arguments, loops on
 * ZORVA_next_event and draws with the ZORVA_draw_* operations in logical coordinates
 * (origin at the centre of the drawing window, x to the right, y upward). Valid C and C++.
 *
 * Besides ZORVA's own names it declares only what WinMain needs (WINAPI, HINSTANCE, LPSTR),
 * so a program is free to name its own things Rectangle, POINT or RGB. A program that calls
 * Windows operations itself includes platform/win32.h as well.
 */
#ifndef ZORVA_H
#define ZORVA_H

#include "platform/win32_entry.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Event kinds returned by ZORVA_next_event. */
enum { ZORVA_MOUSE = 1, ZORVA_KBD = 2, ZORVA_PERIODIC = 3, ZORVA_QUIT = 4 };

/* Requests for ZORVA_set_animation. */
enum { ANIMATION_HALT = 0, ANIMATION_STEP = 1, ANIMATION_RUN = 2, ANIMATION_QUIT = 5 };

/* The 24 named colours. */
typedef enum ColorIndex {
  BLACK, WHITE, RED, GREEN, BLUE, YELLOW, MAGENTA, CYAN, PURPLE,
  NAVY_BLUE, DUSTY_PLUM, ICE_BLUE, TURQUOISE, ORANGE, BROWN, PINK, CHALK, GOLD, PEACH,
  FOREST_GREEN, SEA_GREEN, OLIVE, GRAY_50, GRAY_20
} ColorIndex;
enum { COLOR_COUNT = 24 };

/* A logical position. */
typedef struct Point {
  int x;
  int y;
} Point;

/* Start-up and finish. */
int ZORVA_start(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line, int show_mode);
int ZORVA_finish(void);

/* Events and animation. */
int ZORVA_next_event(int *x, int *y, char *key);
int ZORVA_set_animation(unsigned int request);

/* Text window and logging. */
int ZORVA_set_logging(int on);
int ZORVA_show_text_window(int show);
int ZORVA_log(const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

/* Whole-surface operations. */
int ZORVA_flush(void);
int ZORVA_clear(void);

/* Text prompt. */
int ZORVA_gets(const char *prompt, char *buffer);

/* Drawing. */
int ZORVA_undo(void);
int ZORVA_draw_pixel(int color, int x, int y);
int ZORVA_draw_circle(int color, int x, int y, int radius);
int ZORVA_draw_triangle(int color, int x1, int y1, int x2, int y2, int x3, int y3, int width);
int ZORVA_draw_rectangle(int color, int x1, int y1, int x2, int y2, int width);
int ZORVA_draw_oval(int color, int x1, int y1, int x2, int y2, int width);
int ZORVA_draw_line(int color, int x1, int y1, int x2, int y2, int width);
int ZORVA_draw_text(int color, int x, int y, int ptsize, const char *text);
int ZORVA_draw_textf(int color, int x, int y, int ptsize, const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 5, 6)))
#endif
    ;

/* Point forms: each (x, y) pair replaced by one Point passed by value. */
int ZORVA_draw_pixel_p(int color, Point p);
int ZORVA_draw_circle_p(int color, Point centre, int radius);
int ZORVA_draw_triangle_p(int color, Point p1, Point p2, Point p3, int width);
int ZORVA_draw_rectangle_p(int color, Point p1, Point p2, int width);
int ZORVA_draw_oval_p(int color, Point p1, Point p2, int width);
int ZORVA_draw_line_p(int color, Point p1, Point p2, int width);
int ZORVA_draw_text_p(int color, Point p, int ptsize, const char *text);
int ZORVA_draw_textf_p(int color, Point p, int ptsize, const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 4, 5)))
#endif
    ;

#ifdef __cplusplus
}
#endif

#endif /* ZORVA_H */
