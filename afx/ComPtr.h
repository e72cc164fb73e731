// COM interface pointers: Microsoft::WRL::ComPtr from the toolchain, plus the
// one place that adopts a pointer whose reference the caller already owns.
#pragma once
#include <wrl/client.h>

namespace afx {

using Microsoft::WRL::ComPtr;

// Takes over a reference the caller owns, without adding one. mingw-w64's
// ComPtr::Attach adds a reference, so adopting with it would leak one.
template <class T>
ComPtr<T> AdoptComPtr(T* owned) noexcept {
  ComPtr<T> result;
  *result.GetAddressOf() = owned;
  return result;
}

}  // namespace afx
