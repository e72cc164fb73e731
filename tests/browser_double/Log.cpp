#include "Log.h"

#include <cwchar>

namespace browser_double {

namespace {
std::wstring& Buffer() {
  static std::wstring text;
  return text;
}
}  // namespace

void Record(std::wstring line) {
  Buffer() += line;
  Buffer() += L'\n';
}

std::wstring LogText() { return Buffer(); }

void ClearLog() { Buffer().clear(); }

std::wstring Quote(std::wstring_view text) {
  std::wstring out = L"\"";
  for (wchar_t c : text) {
    switch (c) {
      case L'"': out += L"\\\""; break;
      case L'\\': out += L"\\\\"; break;
      case L'\0': out += L"\\0"; break;
      case L'\n': out += L"\\n"; break;
      case L'\r': out += L"\\r"; break;
      case L'\t': out += L"\\t"; break;
      default:
        if (c < 0x20) {
          wchar_t buf[8];
          std::swprintf(buf, 8, L"\\x%04X", static_cast<unsigned>(c));
          out += buf;
        } else {
          out += c;
        }
    }
  }
  out += L'"';
  return out;
}

std::wstring Hex(unsigned long value) {
  wchar_t buf[16];
  std::swprintf(buf, 16, L"0x%08lX", value);
  return buf;
}

std::wstring Hr(HRESULT hr) { return Hex(static_cast<unsigned long>(hr)); }

std::wstring YesNo(bool value) { return value ? L"yes" : L"no"; }

std::wstring RectText(const RECT& r) {
  return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," + std::to_wstring(r.right) + L"," +
         std::to_wstring(r.bottom);
}

}  // namespace browser_double
