// Owners of Automation values: a BSTR and a VARIANT that free what they hold.
#pragma once
#include <windows.h>
#include <oleauto.h>

#include <utility>

namespace afx {

class UniqueBstr {
 public:
  UniqueBstr() noexcept = default;
  explicit UniqueBstr(BSTR owned) noexcept : m_bstr(owned) {}
  UniqueBstr(UniqueBstr&& other) noexcept : m_bstr(other.release()) {}
  UniqueBstr& operator=(UniqueBstr&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueBstr(const UniqueBstr&) = delete;
  UniqueBstr& operator=(const UniqueBstr&) = delete;
  ~UniqueBstr() { reset(); }

  BSTR get() const noexcept { return m_bstr; }
  BSTR release() noexcept { return std::exchange(m_bstr, nullptr); }
  void reset(BSTR owned = nullptr) noexcept {
    if (m_bstr != owned) ::SysFreeString(std::exchange(m_bstr, owned));
  }
  // For out-parameters: frees what is held, then lends the slot.
  BSTR* out() noexcept {
    reset();
    return &m_bstr;
  }

 private:
  BSTR m_bstr = nullptr;
};

// A VARIANT that is cleared when it goes.
class UniqueVariant : public VARIANT {
 public:
  UniqueVariant() noexcept { ::VariantInit(this); }
  UniqueVariant(const UniqueVariant&) = delete;
  UniqueVariant& operator=(const UniqueVariant&) = delete;
  ~UniqueVariant() { ::VariantClear(this); }
  void Clear() noexcept { ::VariantClear(this); }
};

}  // namespace afx
