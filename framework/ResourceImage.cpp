#include "framework/ResourceImage.h"

#include <cstring>

#include "afx/ComPtr.h"
#include "afx/Handles.h"
#include "afx/WinApp.h"

namespace {

bool IsBitmapType(const wchar_t* type) noexcept {
  return IS_INTRESOURCE(type) && type == RT_BITMAP;
}

Gdiplus::Image* LoadBitmapImage(UINT id, HINSTANCE module) {
  // No fallback to the resource module: a null module means the system's bitmaps.
  afx::UniqueBitmap bitmap(::LoadBitmapW(module, MAKEINTRESOURCEW(id)));
  // The GDI+ bitmap copies the pixels, so the handle goes right after.
  return afx::NewGdiplusObject<Gdiplus::Bitmap>(bitmap.get(), static_cast<HPALETTE>(nullptr));
}

// A stream over a fixed global copy of the resource's bytes. The stream owns
// the copy, so the bytes go when GDI+ lets go of the stream together with the
// image: loading the same picture again and again does not grow memory.
// Null if the resource is missing or any step fails.
afx::ComPtr<IStream> StreamOverResourceCopy(UINT id, const wchar_t* type, HINSTANCE module) {
  HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
  if (!found) return nullptr;
  DWORD size = ::SizeofResource(module, found);
  HGLOBAL loaded = ::LoadResource(module, found);
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  if (!bytes || size == 0) return nullptr;

  afx::UniqueGlobal copy(::GlobalAlloc(GMEM_FIXED, size));
  if (!copy) return nullptr;
  void* target = ::GlobalLock(copy.get());
  if (!target) return nullptr;
  std::memcpy(target, bytes, size);
  ::GlobalUnlock(copy.get());

  afx::ComPtr<IStream> stream;
  if (FAILED(::CreateStreamOnHGlobal(copy.get(), TRUE, stream.GetAddressOf()))) return nullptr;
  copy.release();  // the stream frees the block when its last reference goes
  return stream;
}

}  // namespace

Gdiplus::Image* LoadResourceImage(UINT id, const wchar_t* type, HINSTANCE module) {
  if (IsBitmapType(type)) return LoadBitmapImage(id, module);
  if (!module) module = AfxGetResourceHandle();
  afx::ComPtr<IStream> stream = StreamOverResourceCopy(id, type, module);
  // Without a stream GDI+ records a failure and the image reads as 0 by 0.
  return afx::NewGdiplusObject<Gdiplus::Image>(stream.Get(), FALSE);
}
