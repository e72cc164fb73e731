// Dispatch identifiers of the WebBrowser control's members that the program uses.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace browser_double {

constexpr DISPID kDispidNavigate = 104;
constexpr DISPID kDispidLocationUrl = 211;
constexpr DISPID kDispidSilent = 551;
constexpr DISPID kDispidNavigateComplete2 = 252;

}  // namespace browser_double
