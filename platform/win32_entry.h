/*
 * win32_entry.h: the part of win32.h that a program needs to define its entry point,
 * WinMain, and nothing more: WINAPI, HINSTANCE and LPSTR. zorva.h includes only this, so a
 * program's own Rectangle, POINT or RGB never meet the platform's names.
 *
 * win32.h includes this header for these names, so both declare the very same types and may
 * be included together in either order. On Windows it simply includes <windows.h>.
 * Valid C and C++.
 */
#ifndef ZORVA_PLATFORM_WIN32_ENTRY_H
#define ZORVA_PLATFORM_WIN32_ENTRY_H

#ifdef _WIN32
#include <windows.h>
#else

#ifdef __cplusplus
extern "C" {
#endif

/* The calling convention of the Windows operations: no meaning on this platform. */
#define WINAPI

struct HINSTANCE__ {
  int unused;
};
typedef struct HINSTANCE__ *HINSTANCE;
typedef char *LPSTR;

/* The program's entry point, called by the platform's main. */
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nShowCmd);

#ifdef __cplusplus
}
#endif

#endif /* _WIN32 */
#endif /* ZORVA_PLATFORM_WIN32_ENTRY_H */
