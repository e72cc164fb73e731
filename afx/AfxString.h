// CString: the program's UTF-16 text. A value type; copies share nothing the
// caller can observe.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <string>
#include <string_view>

class CString {
 public:
  CString() = default;
  CString(const wchar_t* text) : m_text(text ? text : L"") {}  // NOLINT: implicit like the framework's
  CString(const wchar_t* text, int length) : m_text(text ? std::wstring(text, static_cast<size_t>(length)) : std::wstring()) {}
  CString(std::wstring_view text) : m_text(text) {}  // NOLINT
  CString(wchar_t ch, int repeat) : m_text(static_cast<size_t>(repeat > 0 ? repeat : 0), ch) {}

  // Text up to its first NUL, as a BSTR or any other wide pointer reads.
  static CString FromBstr(BSTR text) { return CString(static_cast<const wchar_t*>(text)); }
  static CString FromUtf8(std::string_view utf8);
  std::string ToUtf8() const;

  operator const wchar_t*() const noexcept { return m_text.c_str(); }  // NOLINT
  const wchar_t* GetString() const noexcept { return m_text.c_str(); }
  int GetLength() const noexcept { return static_cast<int>(m_text.size()); }
  bool IsEmpty() const noexcept { return m_text.empty(); }
  void Empty() noexcept { m_text.clear(); }
  wchar_t GetAt(int index) const { return m_text.at(static_cast<size_t>(index)); }

  // Position of the first occurrence of text at or after start, or -1.
  int Find(const wchar_t* text, int start = 0) const;
  int Compare(const wchar_t* other) const { return m_text.compare(other ? other : L""); }
  CString Left(int count) const;
  CString Mid(int first, int count = -1) const;

  // printf-style formatting with the wide C runtime's rules (%s takes wide text).
  void Format(const wchar_t* format, ...);

  // A new BSTR holding the whole text; the caller frees it.
  BSTR AllocSysString() const;

  CString& operator+=(const CString& other) { m_text += other.m_text; return *this; }
  CString& operator+=(const wchar_t* other) { m_text += other ? other : L""; return *this; }
  CString& operator+=(wchar_t ch) { m_text += ch; return *this; }

  friend CString operator+(CString a, const CString& b) { a += b; return a; }
  friend CString operator+(CString a, const wchar_t* b) { a += b; return a; }
  friend CString operator+(const wchar_t* a, const CString& b) { return CString(a) += b; }
  friend bool operator==(const CString& a, const CString& b) noexcept { return a.m_text == b.m_text; }
  friend bool operator==(const CString& a, const wchar_t* b) noexcept { return a.m_text == (b ? b : L""); }

  const std::wstring& str() const noexcept { return m_text; }

 private:
  std::wstring m_text;
};
