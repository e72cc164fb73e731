// The record of what the browser double was asked and what it saw.
// One line per observation; BrowserDouble.h documents the line formats.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace browser_double {

void Record(std::wstring line);
std::wstring LogText();
void ClearLog();

// "text" with \" \\ \0 \n \r \t and \xHHHH for other control characters.
std::wstring Quote(std::wstring_view text);
// 0x%08X
std::wstring Hex(unsigned long value);
std::wstring Hr(HRESULT hr);
std::wstring YesNo(bool value);
std::wstring RectText(const RECT& r);

}  // namespace browser_double
