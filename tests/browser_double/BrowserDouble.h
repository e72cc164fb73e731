// The browser double, seen from a test.
//
// browser_double.dll is an in-process COM server registered, in the test Wine
// prefix only, for the WebBrowser control's CLSID {8856F961-340A-11D0-A96B-
// 00C04FD705A2} (ctest fixture "browser_double"). Code that creates the control
// gets the double and cannot tell. A test reaches the double's own functions
// through BrowserDouble below: it loads the registered DLL (the same module COM
// loads) and keeps it loaded for the whole process.
//
// Scenario: the page behaviour, set with SetScenario before or between
// navigations; format in Scenario.h. Example:
//   on *fullscn=1* frame http://frame.test/inner.html
//   on http://list.test/ call outLink "note" "http://game.test/?a\0b" 42 missing
//   fail location 0x80004005
//   throw navigate "Navigation refused"
// Rules apply to each completed top-level navigation whose address matches;
// their steps run in order, each from its own posted message, after the event.
//
// Log: one line per observation, a word (or two) then key=value fields; texts
// are quoted with \" \\ \0 \n \r \t \xHHHH escapes; HRESULTs are 0x%08X.
//   created                                      an instance was made
//   site set dochost=yes|no                      SetClientSite(site); whether the site
//                                                answered QueryInterface(IDocHostUIHandler)
//   hostinfo hr=H flags=0x0000000C doubleclick=N IDocHostUIHandler::GetHostInfo, at SetClientSite
//   site released had=yes|no                     SetClientSite(nullptr)
//   verb N                                       IOleObject::DoVerb(N)
//   inplace active pos=L,T,R,B window=yes frame=yes|no uiwindow=yes|no
//   inplace refused hr=H | inplace failed step=S hr=H
//   uiactive | uiinactive | inplace inactive
//   rects pos=L,T,R,B                            IOleInPlaceObject::SetObjectRects
//   extent cx=N cy=N                             IOleObject::SetExtent (HIMETRIC)
//   close                                        IOleObject::Close
//   persist initnew | persist load size=N | persist load-bag | persist reinit hr=H
//   freeze on|off count=N                        IOleControl::FreezeEvents
//   advise iid=DWebBrowserEvents2|IPropertyNotifySink cookie=N hr=H
//   unadvise iid=... cookie=N hr=H
//   navigate url="U" flags=F target=F postdata=F headers=F via=dispatch|vtable hr=H
//                                                F: absent, or vtN:"text"
//   silent put value=N vt=N [named=yes|no] via=... hr=H   N: the value as passed (-1 or 1...)
//   silent get value=N via=... hr=H
//   location get url="U" via=... hr=H
//   complete top url="U" sinks=N [frozen=yes]    a top-level navigation completed
//   complete frame url="U" sinks=N [frozen=yes]  a frame navigation completed
//   event NavigateComplete2 frame=yes|no sink=N hr=H [scode=H desc="D"]
//   external hr=H given=yes|no dochost=yes|no    IDocHostUIHandler::GetExternal, at each call
//   call name="N" args=N result=noexternal
//   call name="N" args=N stage=names hr=H        GetIDsOfNames failed
//   call name="N" args=N dispid=N hr=H [scode=H desc="D"] [argerr=N] [result=vtN]
//   key message=0x0100 vk=0x09                   offered to IOleInPlaceActiveObject::TranslateAccelerator
//   windowkey message=0x0100 vk=0x09             reached the double's window procedure
//   window destroyed
//   destroyed connections=N site=yes|no          the instance was freed; connections still advised
//   scenario rules=N failures=N | scenario error line=N message="M"
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace browser_double_api {
using SetScenarioFn = HRESULT (*)(const wchar_t* text);         // S_OK or E_INVALIDARG
using GetLogFn = size_t (*)(wchar_t* buffer, size_t capacity);  // length; copies with NUL
using ResetFn = void (*)();                                     // clears log and scenario
using LiveObjectsFn = long (*)();                               // the double's COM objects alive
}  // namespace browser_double_api

class BrowserDouble {
 public:
  // The page background the double paints (and draws through IViewObject).
  static constexpr COLORREF kPageBackground = RGB(0xF4, 0xF0, 0xDC);
  static constexpr const wchar_t* kClsidText = L"{8856F961-340A-11D0-A96B-00C04FD705A2}";

  // True when the registered WebBrowser server is the double.
  static bool Available() { return Api().setScenario != nullptr; }
  // The registered server's path, as the registry holds it.
  static std::wstring RegisteredPath() { return Api().path; }

  static HRESULT SetScenario(std::wstring_view text) {
    std::wstring copy(text);
    return Available() ? Api().setScenario(copy.c_str()) : E_NOINTERFACE;
  }
  static void Reset() {
    if (Available()) Api().reset();
  }
  static long LiveObjects() { return Available() ? Api().liveObjects() : -1; }

  static std::wstring Log() {
    if (!Available()) return {};
    std::vector<wchar_t> buffer(Api().getLog(nullptr, 0) + 1);
    size_t length = Api().getLog(buffer.data(), buffer.size());
    return std::wstring(buffer.data(), std::min(length, buffer.size() - 1));
  }
  // The lines of the log that start with prefix ("" for all).
  static std::vector<std::wstring> Lines(std::wstring_view prefix = {}) {
    std::vector<std::wstring> lines;
    std::wstring text = Log();
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find(L'\n', start);
      if (end == std::wstring::npos) end = text.size();
      std::wstring line = text.substr(start, end - start);
      if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(std::move(line));
      start = end + 1;
    }
    return lines;
  }

 private:
  struct Functions {
    std::wstring path;
    browser_double_api::SetScenarioFn setScenario = nullptr;
    browser_double_api::GetLogFn getLog = nullptr;
    browser_double_api::ResetFn reset = nullptr;
    browser_double_api::LiveObjectsFn liveObjects = nullptr;
  };

  template <typename Fn>
  static Fn Find(HMODULE module, const char* name) {
    // GetProcAddress gives a generic function pointer; void(*)() converts cleanly.
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
  }

  static Functions Load() {
    Functions f;
    std::wstring key = std::wstring(L"Software\\Classes\\CLSID\\") + kClsidText + L"\\InprocServer32";
    wchar_t path[MAX_PATH] = {};
    DWORD size = sizeof(path) - sizeof(wchar_t);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, path, &size) != ERROR_SUCCESS)
      return f;
    f.path = path;
    // Loaded by the registered path, so it is the very module COM loads; never freed,
    // so the record survives CoUninitialize.
    HMODULE module = LoadLibraryW(path);
    if (!module) return f;
    auto setScenario = Find<browser_double_api::SetScenarioFn>(module, "BrowserDouble_SetScenario");
    f.getLog = Find<browser_double_api::GetLogFn>(module, "BrowserDouble_GetLog");
    f.reset = Find<browser_double_api::ResetFn>(module, "BrowserDouble_Reset");
    f.liveObjects = Find<browser_double_api::LiveObjectsFn>(module, "BrowserDouble_LiveObjects");
    if (f.getLog && f.reset && f.liveObjects) f.setScenario = setScenario;
    return f;
  }

  static const Functions& Api() {
    static const Functions functions = Load();
    return functions;
  }
};
