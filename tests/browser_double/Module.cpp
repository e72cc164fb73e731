// The double's module: the class object for the WebBrowser CLSID, its own
// registration, and the functions tests use to set scenarios and read the record.
#include <windows.h>
#include <exdisp.h>

#include <cwchar>
#include <new>
#include <string>
#include <type_traits>

#include "Browser.h"
#include "BrowserDouble.h"
#include "Log.h"
#include "State.h"

using browser_double::Browser;

namespace {

std::atomic<long> g_locks{0};

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"  // freed by Release only
class ClassFactory final : public IClassFactory {
 public:
  virtual ~ClassFactory() = default;

  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) noexcept override {
    if (!ppv) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IClassFactory) {
      *ppv = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  // The class object is static; references to it keep the module loaded.
  STDMETHODIMP_(ULONG) AddRef() noexcept override { return static_cast<ULONG>(++g_locks) + 1; }
  STDMETHODIMP_(ULONG) Release() noexcept override { return static_cast<ULONG>(--g_locks) + 1; }

  STDMETHODIMP CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) noexcept override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (pUnkOuter) return CLASS_E_NOAGGREGATION;
    Browser* browser = nullptr;
    try {
      browser = new Browser();
    } catch (const std::bad_alloc&) {
      return E_OUTOFMEMORY;
    }
    HRESULT hr = browser->QueryInterface(riid, ppv);
    browser->Release();
    return hr;
  }

  STDMETHODIMP LockServer(BOOL fLock) noexcept override {
    if (fLock) ++g_locks;
    else --g_locks;
    return S_OK;
  }
};

#pragma GCC diagnostic pop

ClassFactory g_factory;

constexpr wchar_t kServerKey[] =
    L"Software\\Classes\\CLSID\\{8856F961-340A-11D0-A96B-00C04FD705A2}\\InprocServer32";

class RegKey {
 public:
  RegKey() = default;
  ~RegKey() {
    if (m_key) RegCloseKey(m_key);
  }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  HKEY* Out() { return &m_key; }
  HKEY Get() const { return m_key; }

 private:
  HKEY m_key = nullptr;
};

std::wstring ModulePath() {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(browser_double::g_module, path, MAX_PATH);
  return std::wstring(path, length);
}

LONG SetText(HKEY key, const wchar_t* name, const std::wstring& value) {
  return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    browser_double::g_module = instance;
    DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH && !reserved) {
    UnregisterClassW(L"TarvessaBrowserDoublePage", instance);
    UnregisterClassW(L"TarvessaBrowserDoubleQueue", instance);
  }
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (rclsid != CLSID_WebBrowser) return CLASS_E_CLASSNOTAVAILABLE;
  return g_factory.QueryInterface(riid, ppv);
}

STDAPI DllCanUnloadNow() {
  return browser_double::g_liveObjects == 0 && g_locks == 0 ? S_OK : S_FALSE;
}

// Registers the double for the WebBrowser CLSID, in place of the system's control.
STDAPI DllRegisterServer() {
  try {
    RegKey key;
    LONG status = RegCreateKeyExW(HKEY_LOCAL_MACHINE, kServerKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Out(),
                                  nullptr);
    if (status == ERROR_SUCCESS) status = SetText(key.Get(), nullptr, ModulePath());
    if (status == ERROR_SUCCESS) status = SetText(key.Get(), L"ThreadingModel", L"Apartment");
    return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(status);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

// Removes the registration if it names this module; the class is then unregistered.
STDAPI DllUnregisterServer() {
  try {
    wchar_t registered[MAX_PATH] = {};
    DWORD size = sizeof(registered) - sizeof(wchar_t);
    LONG status = RegGetValueW(HKEY_LOCAL_MACHINE, kServerKey, nullptr, RRF_RT_REG_SZ, nullptr, registered, &size);
    if (status != ERROR_SUCCESS || _wcsicmp(registered, ModulePath().c_str()) != 0) return S_OK;
    status = RegDeleteKeyW(HKEY_LOCAL_MACHINE, kServerKey);
    return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(status);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

extern "C" HRESULT BrowserDouble_SetScenario(const wchar_t* text) {
  try {
    browser_double::ParsedScenario parsed = browser_double::ParseScenario(text ? text : L"");
    if (!parsed.ok) {
      browser_double::Record(L"scenario error line=" + std::to_wstring(parsed.errorLine) + L" message=" +
                             browser_double::Quote(parsed.error));
      return E_INVALIDARG;
    }
    browser_double::Record(L"scenario rules=" + std::to_wstring(parsed.scenario.rules.size()) + L" failures=" +
                           std::to_wstring(parsed.scenario.failures.size()));
    browser_double::SetCurrentScenario(std::move(parsed.scenario));
    return S_OK;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

extern "C" size_t BrowserDouble_GetLog(wchar_t* buffer, size_t capacity) {
  try {
    std::wstring text = browser_double::LogText();
    if (buffer && capacity > 0) {
      size_t copied = text.size() < capacity ? text.size() : capacity - 1;
      text.copy(buffer, copied);
      buffer[copied] = L'\0';
    }
    return text.size();
  } catch (const std::bad_alloc&) {
    if (buffer && capacity > 0) buffer[0] = L'\0';
    return 0;
  }
}

extern "C" void BrowserDouble_Reset() {
  browser_double::ClearLog();
  browser_double::SetCurrentScenario({});
}

extern "C" long BrowserDouble_LiveObjects() { return browser_double::g_liveObjects; }

// The functions tests find by name have the types BrowserDouble.h gives them.
static_assert(std::is_same_v<decltype(&BrowserDouble_SetScenario), browser_double_api::SetScenarioFn>);
static_assert(std::is_same_v<decltype(&BrowserDouble_GetLog), browser_double_api::GetLogFn>);
static_assert(std::is_same_v<decltype(&BrowserDouble_Reset), browser_double_api::ResetFn>);
static_assert(std::is_same_v<decltype(&BrowserDouble_LiveObjects), browser_double_api::LiveObjectsFn>);
