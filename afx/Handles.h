// Move-only owners of Win32 handles, one kind each. Each releases the handle it
// holds before it takes a new one, and cannot be copied.
#pragma once
#include <windows.h>
#include <utility>

namespace afx {

// Handles currently held by these wrappers, all kinds together: lets tests see
// that a run of windows gives back every handle it took.
long LiveWrappedHandles() noexcept;

namespace detail {
void CountHandle(long delta) noexcept;
}

template <class Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() noexcept = default;
  explicit UniqueHandle(Handle h) noexcept { reset(h); }
  UniqueHandle(UniqueHandle&& other) noexcept : m_h(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const noexcept { return m_h; }
  explicit operator bool() const noexcept { return m_h != Handle{}; }

  // Gives up ownership without closing.
  Handle release() noexcept {
    if (m_h) detail::CountHandle(-1);
    return std::exchange(m_h, Handle{});
  }

  // Closes the held handle first, then owns h.
  void reset(Handle h = Handle{}) noexcept {
    if (m_h == h) return;
    if (m_h) {
      Traits::Close(m_h);
      detail::CountHandle(-1);
    }
    m_h = h;
    if (m_h) detail::CountHandle(+1);
  }

 private:
  Handle m_h{};
};

template <class H>
struct GdiObjectTraits {
  using Handle = H;
  static void Close(H h) noexcept { ::DeleteObject(h); }
};
struct MemoryDcTraits {
  using Handle = HDC;
  static void Close(HDC h) noexcept { ::DeleteDC(h); }
};
struct ModuleTraits {
  using Handle = HMODULE;
  static void Close(HMODULE h) noexcept { ::FreeLibrary(h); }
};
struct HookTraits {
  using Handle = HHOOK;
  static void Close(HHOOK h) noexcept { ::UnhookWindowsHookEx(h); }
};
struct GlobalTraits {
  using Handle = HGLOBAL;
  static void Close(HGLOBAL h) noexcept { ::GlobalFree(h); }
};
struct IconTraits {
  using Handle = HICON;
  static void Close(HICON h) noexcept { ::DestroyIcon(h); }
};

using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;
using UniqueHook = UniqueHandle<HookTraits>;
using UniqueGlobal = UniqueHandle<GlobalTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;

// A window's device context, given back to that window with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) noexcept : m_hwnd(hwnd), m_hdc(::GetDC(hwnd)) {
    if (m_hdc) detail::CountHandle(+1);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (m_hdc) {
      ::ReleaseDC(m_hwnd, m_hdc);
      detail::CountHandle(-1);
    }
  }
  HDC get() const noexcept { return m_hdc; }

 private:
  HWND m_hwnd;
  HDC m_hdc;
};

// Keeps an object selected into a device context and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) noexcept : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() {
    if (m_previous) ::SelectObject(m_dc, m_previous);
  }

 private:
  HDC m_dc;
  HGDIOBJ m_previous;
};

}  // namespace afx
