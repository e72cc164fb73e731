// The page: navigations complete asynchronously through the double's own
// message window, as with the real control, and the scenario decides what the
// page does after each top-level completion.
#include <memory>
#include <new>

#include "Browser.h"
#include "Dispids.h"
#include "Frame.h"
#include "Log.h"
#include "State.h"

namespace browser_double {

namespace {
constexpr wchar_t kQueueWindowClass[] = L"TarvessaBrowserDoubleQueue";
constexpr UINT kRunStepMessage = WM_APP + 0x0B0;

// The VARIANT an optional VARIANT* argument stands for, or null when it is left out.
VARIANT* OptionalValue(VARIANT* v) {
  if (v && v->vt == (VT_VARIANT | VT_BYREF)) v = v->pvarVal;
  if (!v || v->vt == VT_EMPTY || (v->vt == VT_ERROR && v->scode == DISP_E_PARAMNOTFOUND)) return nullptr;
  return v;
}

std::wstring OptionalText(VARIANT* v) {
  v = OptionalValue(v);
  if (!v) return L"absent";
  std::wstring text = L"vt" + std::to_wstring(v->vt);
  Variant copy;
  if (SUCCEEDED(VariantCopyInd(&copy, v)) && SUCCEEDED(VariantChangeType(&copy, &copy, 0, VT_BSTR))) {
    text += L":" + Quote(std::wstring_view(copy.bstrVal, SysStringLen(copy.bstrVal)));
  }
  return text;
}

// Argument values of one script call, owned and cleared together.
class ArgumentArray {
 public:
  explicit ArgumentArray(size_t count) : m_values(count) {
    for (VARIANT& v : m_values) VariantInit(&v);
  }
  ~ArgumentArray() {
    for (VARIANT& v : m_values) VariantClear(&v);
  }
  ArgumentArray(const ArgumentArray&) = delete;
  ArgumentArray& operator=(const ArgumentArray&) = delete;
  VARIANT* Data() { return m_values.data(); }
  VARIANT& operator[](size_t i) { return m_values[i]; }

 private:
  std::vector<VARIANT> m_values;
};

void SetScriptValue(VARIANT& v, const ScriptArg& arg) {
  switch (arg.kind) {
    case ArgKind::String:
      v.bstrVal = SysAllocStringLen(arg.text.data(), static_cast<UINT>(arg.text.size()));
      if (!v.bstrVal) throw std::bad_alloc();
      v.vt = VT_BSTR;
      break;
    case ArgKind::Integer:
      v.vt = VT_I4;
      v.lVal = arg.integer;
      break;
    case ArgKind::Real:
      v.vt = VT_R8;
      v.dblVal = arg.real;
      break;
    case ArgKind::Bool:
      v.vt = VT_BOOL;
      v.boolVal = arg.integer ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case ArgKind::Null:
      v.vt = VT_NULL;
      break;
    case ArgKind::Empty:
      v.vt = VT_EMPTY;
      break;
    case ArgKind::Missing:
      v.vt = VT_ERROR;
      v.scode = DISP_E_PARAMNOTFOUND;
      break;
  }
}

std::wstring ExceptionText(ExcepInfo& excep) {
  excep.FillDeferred();
  HRESULT scode = excep.scode ? excep.scode : static_cast<HRESULT>(excep.wCode);
  return L" scode=" + Hr(scode) + L" desc=" + Quote(excep.Description());
}
}  // namespace

void Browser::AskHostInfo(IOleClientSite* site) {
  m_hostFlags = 0;
  ComPtr<IDocHostUIHandler> handler;
  bool hasHandler = SUCCEEDED(site->QueryInterface(IID_PPV_ARGS(&handler))) && handler;
  Record(L"site set dochost=" + YesNo(hasHandler));
  if (!hasHandler) return;
  DOCHOSTUIINFO info{};
  info.cbSize = sizeof(info);
  HRESULT hr = handler->GetHostInfo(&info);
  CoTaskMemFree(info.pchHostCss);
  CoTaskMemFree(info.pchHostNS);
  if (SUCCEEDED(hr)) m_hostFlags = info.dwFlags;
  Record(L"hostinfo hr=" + Hr(hr) + L" flags=" + Hex(info.dwFlags) + L" doubleclick=" +
         std::to_wstring(info.dwDoubleClick));
}

HRESULT Browser::DoNavigate(std::wstring url, VARIANT* flags, VARIANT* target, VARIANT* postData, VARIANT* headers,
                            Via via, HRESULT injected) {
  std::wstring line = L"navigate url=" + Quote(url) + L" flags=" + OptionalText(flags) + L" target=" +
                      OptionalText(target) + L" postdata=" + OptionalText(postData) + L" headers=" +
                      OptionalText(headers) + L" via=" + (via == Via::Dispatch ? L"dispatch" : L"vtable");
  HRESULT hr = injected;
  if (SUCCEEDED(hr)) hr = EnsureQueueWindow() ? S_OK : E_FAIL;
  Record(line + L" hr=" + Hr(hr));
  if (SUCCEEDED(hr)) QueueStep({PageStep::Kind::CompleteTop, std::move(url), {}});
  return hr;
}

bool Browser::EnsureQueueWindow() {
  if (m_queueWindow) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (!GetClassInfoExW(g_module, kQueueWindowClass, &wc)) {
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &Browser::QueueWindowProc;
    wc.hInstance = g_module;
    wc.lpszClassName = kQueueWindowClass;
    RegisterClassExW(&wc);
  }
  m_queueWindow = CreateWindowExW(0, kQueueWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, g_module, this);
  return m_queueWindow != nullptr;
}

void Browser::QueueStep(PageStep step) {
  m_steps.push_back(std::move(step));
  PostMessageW(m_queueWindow, kRunStepMessage, 0, 0);
}

LRESULT CALLBACK Browser::QueueWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Browser*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && message == kRunStepMessage) {
    // The page's handlers may release the control; it stays alive until the step ends.
    ComPtr<IUnknown> keepAlive(self->Identity());
    try {
      self->RunNextStep();
    } catch (const std::bad_alloc&) {
    }
    return 0;
  }
  if (self && message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->m_queueWindow = nullptr;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Browser::RunNextStep() {
  if (m_steps.empty()) return;
  PageStep step = std::move(m_steps.front());
  m_steps.pop_front();
  switch (step.kind) {
    case PageStep::Kind::CompleteTop:
    case PageStep::Kind::CompleteFrame:
      CompleteNavigation(step);
      break;
    case PageStep::Kind::CallExternal:
      CallExternal(step.rule);
      break;
  }
}

void Browser::CompleteNavigation(const PageStep& step) {
  if (step.kind == PageStep::Kind::CompleteTop) {
    m_locationUrl = step.url;
    if (m_pageWindow) InvalidateRect(m_pageWindow, nullptr, TRUE);
    Record(L"complete top url=" + Quote(step.url) + L" sinks=" + std::to_wstring(m_events2.ConnectionCount()) +
           (m_freezeCount > 0 ? L" frozen=yes" : L""));
    // What the page does next is queued before the event, so it also runs
    // inside a message loop that an event handler may start.
    for (const PageRule& rule : CurrentScenario().rules) {
      if (!rule.when.Matches(step.url)) continue;
      if (rule.action == PageRule::Action::CompleteFrame) {
        QueueStep({PageStep::Kind::CompleteFrame, rule.frameUrl, {}});
      } else {
        QueueStep({PageStep::Kind::CallExternal, {}, rule});
      }
    }
    FireNavigateComplete2(static_cast<IWebBrowser2*>(this), step.url, false);
  } else {
    Record(L"complete frame url=" + Quote(step.url) + L" sinks=" + std::to_wstring(m_events2.ConnectionCount()) +
           (m_freezeCount > 0 ? L" frozen=yes" : L""));
    ComPtr<IDispatch> frame;
    *frame.GetAddressOf() = new Frame(step.url);
    FireNavigateComplete2(frame.Get(), step.url, true);
  }
}

void Browser::FireNavigateComplete2(IDispatch* browser, const std::wstring& url, bool frame) {
  std::vector<ComPtr<IDispatch>> sinks = m_events2.DispatchSinks();
  Variant address;
  address.bstrVal = SysAllocStringLen(url.data(), static_cast<UINT>(url.size()));
  if (!address.bstrVal) throw std::bad_alloc();
  address.vt = VT_BSTR;
  // Arguments go in reverse order: rgvarg[1] is pDisp, rgvarg[0] the URL by reference.
  VARIANTARG args[2];
  VariantInit(&args[0]);
  VariantInit(&args[1]);
  args[1].vt = VT_DISPATCH;
  args[1].pdispVal = browser;
  args[0].vt = VT_VARIANT | VT_BYREF;
  args[0].pvarVal = &address;
  DISPPARAMS params{args, nullptr, 2, 0};
  int index = 0;
  for (const ComPtr<IDispatch>& sink : sinks) {
    ++index;
    ExcepInfo excep;
    UINT argErr = 0;
    HRESULT hr = sink->Invoke(kDispidNavigateComplete2, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                              nullptr, &excep, &argErr);
    std::wstring line = L"event NavigateComplete2 frame=" + YesNo(frame) + L" sink=" + std::to_wstring(index) +
                        L" hr=" + Hr(hr);
    if (hr == DISP_E_EXCEPTION) line += ExceptionText(excep);
    Record(line);
  }
}

void Browser::CallExternal(const PageRule& rule) {
  std::wstring line = L"call name=" + Quote(rule.name) + L" args=" + std::to_wstring(rule.args.size());
  ComPtr<IDocHostUIHandler> handler;
  if (m_clientSite) m_clientSite.As(&handler);
  ComPtr<IDispatch> external;
  HRESULT hr = handler ? handler->GetExternal(external.GetAddressOf()) : E_NOINTERFACE;
  bool given = SUCCEEDED(hr) && external;
  Record(L"external hr=" + Hr(hr) + L" given=" + YesNo(given) + L" dochost=" + YesNo(handler != nullptr));
  if (!given) {
    Record(line + L" result=noexternal");
    return;
  }
  // Script finds the method by the name as written in the page.
  DISPID dispid = DISPID_UNKNOWN;
  LPOLESTR names[1] = {const_cast<LPOLESTR>(rule.name.c_str())};
  hr = external->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispid);
  if (FAILED(hr)) {
    Record(line + L" stage=names hr=" + Hr(hr));
    return;
  }
  const size_t count = rule.args.size();
  ArgumentArray args(count);
  for (size_t i = 0; i < count; ++i) SetScriptValue(args[count - 1 - i], rule.args[i]);
  DISPPARAMS params{count ? args.Data() : nullptr, nullptr, static_cast<UINT>(count), 0};
  Variant result;
  ExcepInfo excep;
  UINT argErr = 0;
  hr = external->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result, &excep, &argErr);
  line += L" dispid=" + std::to_wstring(dispid) + L" hr=" + Hr(hr);
  if (hr == DISP_E_EXCEPTION) line += ExceptionText(excep);
  if (hr == DISP_E_TYPEMISMATCH || hr == DISP_E_PARAMNOTFOUND) line += L" argerr=" + std::to_wstring(argErr);
  if (SUCCEEDED(hr)) line += L" result=vt" + std::to_wstring(result.vt);
  Record(line);
}

}  // namespace browser_double
