// Counts the application's GDI+ start and stop calls (linked with --wrap).
#include "afx/GdiPlus.h"
#include "TestWindows.h"

extern "C" {
Gdiplus::GpStatus WINAPI __real_GdiplusStartup(ULONG_PTR*, const Gdiplus::GdiplusStartupInput*,
                                                Gdiplus::GdiplusStartupOutput*);
VOID WINAPI __real_GdiplusShutdown(ULONG_PTR);

Gdiplus::GpStatus WINAPI __wrap_GdiplusStartup(ULONG_PTR* token, const Gdiplus::GdiplusStartupInput* input,
                                                Gdiplus::GdiplusStartupOutput* output) {
  ++Script().gdiplusStartups;
  Script().events.push_back("gdiplus startup");
  return __real_GdiplusStartup(token, input, output);
}

VOID WINAPI __wrap_GdiplusShutdown(ULONG_PTR token) {
  ++Script().gdiplusShutdowns;
  Script().liveObjectsAtShutdown = Script().liveObjects;
  Script().events.push_back("gdiplus shutdown");
  __real_GdiplusShutdown(token);
}
}
