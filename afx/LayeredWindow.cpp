#include "afx/LayeredWindow.h"

#include "afx/Handles.h"

namespace afx {
namespace {

using UpdateLayeredWindowFunction = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF,
                                                  BLENDFUNCTION*, DWORD);
using SetLayeredWindowAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// The address of a user32 export as the given function type; null if absent.
template <class Function>
Function LookUp(HMODULE user32, const char* name) noexcept {
  FARPROC found = user32 ? ::GetProcAddress(user32, name) : nullptr;
  // Through the generic function type: the export's real type is the caller's.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

BOOL UpdateLayeredWindowByName(HWND window, HDC windowDc, POINT* destination, SIZE* size, HDC source,
                               POINT* sourcePoint, COLORREF colorKey, BLENDFUNCTION* blend,
                               DWORD flags) noexcept {
  UniqueModule user32(::LoadLibraryW(L"User32.DLL"));
  auto update = LookUp<UpdateLayeredWindowFunction>(user32.get(), "UpdateLayeredWindow");
  if (!update) return FALSE;
  return update(window, windowDc, destination, size, source, sourcePoint, colorKey, blend, flags);
}

BOOL SetLayeredWindowAttributesByName(HWND window, COLORREF colorKey, BYTE alpha, DWORD flags) noexcept {
  UniqueModule user32(::LoadLibraryW(L"User32.DLL"));
  auto set = LookUp<SetLayeredWindowAttributesFunction>(user32.get(), "SetLayeredWindowAttributes");
  if (!set) return FALSE;
  return set(window, colorKey, alpha, flags);
}

}  // namespace afx
