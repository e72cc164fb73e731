// The executable's entry point: the framework runs the one application object.
#include <windows.h>

#include "afx/WinApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  try {
    return AfxWinMain(instance);
  } catch (...) {
    return -1;  // nothing may escape the process entry point
  }
}
