#include "afx/AfxString.h"

#include <cstdarg>
#include <cwchar>
#include <vector>

CString CString::FromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), length);
  return CString(std::wstring_view(text));
}

std::string CString::ToUtf8() const {
  if (m_text.empty()) return {};
  int length = ::WideCharToMultiByte(CP_UTF8, 0, m_text.data(), GetLength(), nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, m_text.data(), GetLength(), text.data(), length, nullptr, nullptr);
  return text;
}

int CString::Find(const wchar_t* text, int start) const {
  if (start < 0 || start > GetLength()) return -1;
  size_t at = m_text.find(text ? text : L"", static_cast<size_t>(start));
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

CString CString::Left(int count) const {
  if (count <= 0) return {};
  return CString(std::wstring_view(m_text).substr(0, static_cast<size_t>(count)));
}

CString CString::Mid(int first, int count) const {
  if (first < 0) first = 0;
  if (first >= GetLength()) return {};
  size_t n = count < 0 ? std::wstring::npos : static_cast<size_t>(count);
  return CString(std::wstring_view(m_text).substr(static_cast<size_t>(first), n));
}

void CString::Format(const wchar_t* format, ...) {
  // The C runtime's own _vsnwprintf: %s means wide text there, as the program's
  // formats expect, whatever stdio flavour the compiler picked.
  std::vector<wchar_t> buffer(256);
  for (;;) {
    va_list args;
    va_start(args, format);
    int written = ::_vsnwprintf(buffer.data(), buffer.size() - 1, format, args);
    va_end(args);
    if (written >= 0 && static_cast<size_t>(written) < buffer.size() - 1) {
      m_text.assign(buffer.data(), static_cast<size_t>(written));
      return;
    }
    if (buffer.size() >= (1u << 24)) {  // a format the runtime keeps refusing
      m_text.clear();
      return;
    }
    buffer.resize(buffer.size() * 2);
  }
}

BSTR CString::AllocSysString() const {
  return ::SysAllocStringLen(m_text.data(), static_cast<UINT>(m_text.size()));
}
