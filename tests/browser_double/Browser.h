// The browser double: stands in for the WebBrowser control at its public
// interface, as far as the program uses it. Pages are not rendered; what a page
// does is a scenario the test sets (see Scenario.h).
#pragma once

#include <windows.h>
#include <docobj.h>
#include <exdisp.h>
#include <mshtmhst.h>
#include <ocidl.h>
#include <oleidl.h>
#include <olectl.h>
#include <wrl/client.h>

#include <deque>
#include <string>
#include <vector>

#include "Com.h"
#include "ConnectionPoint.h"
#include "Scenario.h"

// COM objects are freed by their own Release, never through an interface
// pointer, so the interfaces' non-virtual destructors are as intended.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

namespace browser_double {

using Microsoft::WRL::ComPtr;

class Browser final : public IOleObject,
                      public IOleInPlaceObject,
                      public IOleInPlaceActiveObject,
                      public IOleControl,
                      public IViewObject2,
                      public IPersistStreamInit,
                      public IPersistPropertyBag,
                      public IProvideClassInfo2,
                      public IConnectionPointContainer,
                      public IWebBrowser2,
                      public LiveObject {
 public:
  Browser();
  ~Browser() override;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) noexcept override;
  STDMETHODIMP_(ULONG) AddRef() noexcept override;
  STDMETHODIMP_(ULONG) Release() noexcept override;

  // IOleObject
  STDMETHODIMP SetClientSite(IOleClientSite* pClientSite) noexcept override;
  STDMETHODIMP GetClientSite(IOleClientSite** ppClientSite) noexcept override;
  STDMETHODIMP SetHostNames(LPCOLESTR szContainerApp, LPCOLESTR szContainerObj) noexcept override;
  STDMETHODIMP Close(DWORD dwSaveOption) noexcept override;
  STDMETHODIMP SetMoniker(DWORD dwWhichMoniker, IMoniker* pmk) noexcept override;
  STDMETHODIMP GetMoniker(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) noexcept override;
  STDMETHODIMP InitFromData(IDataObject* pDataObject, BOOL fCreation, DWORD dwReserved) noexcept override;
  STDMETHODIMP GetClipboardData(DWORD dwReserved, IDataObject** ppDataObject) noexcept override;
  STDMETHODIMP DoVerb(LONG iVerb, LPMSG lpmsg, IOleClientSite* pActiveSite, LONG lindex, HWND hwndParent,
                      LPCRECT lprcPosRect) noexcept override;
  STDMETHODIMP EnumVerbs(IEnumOLEVERB** ppEnumOleVerb) noexcept override;
  STDMETHODIMP Update() noexcept override;
  STDMETHODIMP IsUpToDate() noexcept override;
  STDMETHODIMP GetUserClassID(CLSID* pClsid) noexcept override;
  STDMETHODIMP GetUserType(DWORD dwFormOfType, LPOLESTR* pszUserType) noexcept override;
  STDMETHODIMP SetExtent(DWORD dwDrawAspect, SIZEL* psizel) noexcept override;
  STDMETHODIMP GetExtent(DWORD dwDrawAspect, SIZEL* psizel) noexcept override;
  STDMETHODIMP Advise(IAdviseSink* pAdvSink, DWORD* pdwConnection) noexcept override;
  STDMETHODIMP Unadvise(DWORD dwConnection) noexcept override;
  STDMETHODIMP EnumAdvise(IEnumSTATDATA** ppenumAdvise) noexcept override;
  STDMETHODIMP GetMiscStatus(DWORD dwAspect, DWORD* pdwStatus) noexcept override;
  STDMETHODIMP SetColorScheme(LOGPALETTE* pLogpal) noexcept override;

  // IOleWindow (of IOleInPlaceObject and IOleInPlaceActiveObject)
  STDMETHODIMP GetWindow(HWND* phwnd) noexcept override;
  STDMETHODIMP ContextSensitiveHelp(BOOL fEnterMode) noexcept override;
  // IOleInPlaceObject
  STDMETHODIMP InPlaceDeactivate() noexcept override;
  STDMETHODIMP UIDeactivate() noexcept override;
  STDMETHODIMP SetObjectRects(LPCRECT lprcPosRect, LPCRECT lprcClipRect) noexcept override;
  STDMETHODIMP ReactivateAndUndo() noexcept override;
  // IOleInPlaceActiveObject
  STDMETHODIMP TranslateAccelerator(LPMSG lpmsg) noexcept override;
  STDMETHODIMP OnFrameWindowActivate(BOOL fActivate) noexcept override;
  STDMETHODIMP OnDocWindowActivate(BOOL fActivate) noexcept override;
  STDMETHODIMP ResizeBorder(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow, BOOL fFrameWindow) noexcept override;
  STDMETHODIMP EnableModeless(BOOL fEnable) noexcept override;

  // IOleControl
  STDMETHODIMP GetControlInfo(CONTROLINFO* pCI) noexcept override;
  STDMETHODIMP OnMnemonic(MSG* pMsg) noexcept override;
  STDMETHODIMP OnAmbientPropertyChange(DISPID dispID) noexcept override;
  STDMETHODIMP FreezeEvents(BOOL bFreeze) noexcept override;

  // IViewObject2
  STDMETHODIMP Draw(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DVTARGETDEVICE* ptd, HDC hdcTargetDev,
                    HDC hdcDraw, LPCRECTL lprcBounds, LPCRECTL lprcWBounds, BOOL(STDMETHODCALLTYPE* pfnContinue)(ULONG_PTR),
                    ULONG_PTR dwContinue) noexcept override;
  STDMETHODIMP GetColorSet(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DVTARGETDEVICE* ptd, HDC hicTargetDev,
                           LOGPALETTE** ppColorSet) noexcept override;
  STDMETHODIMP Freeze(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DWORD* pdwFreeze) noexcept override;
  STDMETHODIMP Unfreeze(DWORD dwFreeze) noexcept override;
  STDMETHODIMP SetAdvise(DWORD aspects, DWORD advf, IAdviseSink* pAdvSink) noexcept override;
  STDMETHODIMP GetAdvise(DWORD* pAspects, DWORD* pAdvf, IAdviseSink** ppAdvSink) noexcept override;
  STDMETHODIMP GetExtent(DWORD dwDrawAspect, LONG lindex, DVTARGETDEVICE* ptd, LPSIZEL lpsizel) noexcept override;

  // IPersist (of IPersistStreamInit and IPersistPropertyBag)
  STDMETHODIMP GetClassID(CLSID* pClassID) noexcept override;
  // IPersistStreamInit; InitNew serves IPersistPropertyBag as well
  STDMETHODIMP IsDirty() noexcept override;
  STDMETHODIMP Load(LPSTREAM pStm) noexcept override;
  STDMETHODIMP Save(LPSTREAM pStm, BOOL fClearDirty) noexcept override;
  STDMETHODIMP GetSizeMax(ULARGE_INTEGER* pCbSize) noexcept override;
  STDMETHODIMP InitNew() noexcept override;
  // IPersistPropertyBag
  STDMETHODIMP Load(IPropertyBag* pPropBag, IErrorLog* pErrorLog) noexcept override;
  STDMETHODIMP Save(IPropertyBag* pPropBag, BOOL fClearDirty, BOOL fSaveAllProperties) noexcept override;

  // IProvideClassInfo2
  STDMETHODIMP GetClassInfo(ITypeInfo** ppTI) noexcept override;
  STDMETHODIMP GetGUID(DWORD dwGuidKind, GUID* pGUID) noexcept override;

  // IConnectionPointContainer
  STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** ppEnum) noexcept override;
  STDMETHODIMP FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) noexcept override;

  // IDispatch
  STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) noexcept override;
  STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) noexcept override;
  STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                             DISPID* rgDispId) noexcept override;
  STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                      VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) noexcept override;

  // IWebBrowser: the members the program uses
  STDMETHODIMP Navigate(BSTR URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                        VARIANT* Headers) noexcept override;
  STDMETHODIMP get_LocationURL(BSTR* LocationURL) noexcept override;
  // IWebBrowser2: the members the program uses
  STDMETHODIMP get_Silent(VARIANT_BOOL* pbSilent) noexcept override;
  STDMETHODIMP put_Silent(VARIANT_BOOL bSilent) noexcept override;

  // IWebBrowser, IWebBrowserApp, IWebBrowser2: the rest answer E_NOTIMPL
  STDMETHODIMP GoBack() noexcept override;
  STDMETHODIMP GoForward() noexcept override;
  STDMETHODIMP GoHome() noexcept override;
  STDMETHODIMP GoSearch() noexcept override;
  STDMETHODIMP Refresh() noexcept override;
  STDMETHODIMP Refresh2(VARIANT* Level) noexcept override;
  STDMETHODIMP Stop() noexcept override;
  STDMETHODIMP get_Application(IDispatch** ppDisp) noexcept override;
  STDMETHODIMP get_Parent(IDispatch** ppDisp) noexcept override;
  STDMETHODIMP get_Container(IDispatch** ppDisp) noexcept override;
  STDMETHODIMP get_Document(IDispatch** ppDisp) noexcept override;
  STDMETHODIMP get_TopLevelContainer(VARIANT_BOOL* pBool) noexcept override;
  STDMETHODIMP get_Type(BSTR* Type) noexcept override;
  STDMETHODIMP get_Left(LONG* pl) noexcept override;
  STDMETHODIMP put_Left(LONG Left) noexcept override;
  STDMETHODIMP get_Top(LONG* pl) noexcept override;
  STDMETHODIMP put_Top(LONG Top) noexcept override;
  STDMETHODIMP get_Width(LONG* pl) noexcept override;
  STDMETHODIMP put_Width(LONG Width) noexcept override;
  STDMETHODIMP get_Height(LONG* pl) noexcept override;
  STDMETHODIMP put_Height(LONG Height) noexcept override;
  STDMETHODIMP get_LocationName(BSTR* LocationName) noexcept override;
  STDMETHODIMP get_Busy(VARIANT_BOOL* pBool) noexcept override;
  STDMETHODIMP Quit() noexcept override;
  STDMETHODIMP ClientToWindow(int* pcx, int* pcy) noexcept override;
  STDMETHODIMP PutProperty(BSTR Property, VARIANT vtValue) noexcept override;
  STDMETHODIMP GetProperty(BSTR Property, VARIANT* pvtValue) noexcept override;
  STDMETHODIMP get_Name(BSTR* Name) noexcept override;
  STDMETHODIMP get_HWND(SHANDLE_PTR* pHWND) noexcept override;
  STDMETHODIMP get_FullName(BSTR* FullName) noexcept override;
  STDMETHODIMP get_Path(BSTR* Path) noexcept override;
  STDMETHODIMP get_Visible(VARIANT_BOOL* pBool) noexcept override;
  STDMETHODIMP put_Visible(VARIANT_BOOL Value) noexcept override;
  STDMETHODIMP get_StatusBar(VARIANT_BOOL* pBool) noexcept override;
  STDMETHODIMP put_StatusBar(VARIANT_BOOL Value) noexcept override;
  STDMETHODIMP get_StatusText(BSTR* StatusText) noexcept override;
  STDMETHODIMP put_StatusText(BSTR StatusText) noexcept override;
  STDMETHODIMP get_ToolBar(int* Value) noexcept override;
  STDMETHODIMP put_ToolBar(int Value) noexcept override;
  STDMETHODIMP get_MenuBar(VARIANT_BOOL* Value) noexcept override;
  STDMETHODIMP put_MenuBar(VARIANT_BOOL Value) noexcept override;
  STDMETHODIMP get_FullScreen(VARIANT_BOOL* pbFullScreen) noexcept override;
  STDMETHODIMP put_FullScreen(VARIANT_BOOL bFullScreen) noexcept override;
  STDMETHODIMP Navigate2(VARIANT* URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                         VARIANT* Headers) noexcept override;
  STDMETHODIMP QueryStatusWB(OLECMDID cmdID, OLECMDF* pcmdf) noexcept override;
  STDMETHODIMP ExecWB(OLECMDID cmdID, OLECMDEXECOPT cmdexecopt, VARIANT* pvaIn, VARIANT* pvaOut) noexcept override;
  STDMETHODIMP ShowBrowserBar(VARIANT* pvaClsid, VARIANT* pvarShow, VARIANT* pvarSize) noexcept override;
  STDMETHODIMP get_ReadyState(READYSTATE* plReadyState) noexcept override;
  STDMETHODIMP get_Offline(VARIANT_BOOL* pbOffline) noexcept override;
  STDMETHODIMP put_Offline(VARIANT_BOOL bOffline) noexcept override;
  STDMETHODIMP get_RegisterAsBrowser(VARIANT_BOOL* pbRegister) noexcept override;
  STDMETHODIMP put_RegisterAsBrowser(VARIANT_BOOL bRegister) noexcept override;
  STDMETHODIMP get_RegisterAsDropTarget(VARIANT_BOOL* pbRegister) noexcept override;
  STDMETHODIMP put_RegisterAsDropTarget(VARIANT_BOOL bRegister) noexcept override;
  STDMETHODIMP get_TheaterMode(VARIANT_BOOL* pbRegister) noexcept override;
  STDMETHODIMP put_TheaterMode(VARIANT_BOOL bRegister) noexcept override;
  STDMETHODIMP get_AddressBar(VARIANT_BOOL* Value) noexcept override;
  STDMETHODIMP put_AddressBar(VARIANT_BOOL Value) noexcept override;
  STDMETHODIMP get_Resizable(VARIANT_BOOL* Value) noexcept override;
  STDMETHODIMP put_Resizable(VARIANT_BOOL Value) noexcept override;

 private:
  enum class Via { Dispatch, Vtable };
  struct PageStep {
    enum class Kind { CompleteTop, CompleteFrame, CallExternal };
    Kind kind;
    std::wstring url;
    PageRule rule;
  };

  IUnknown* Identity() { return static_cast<IOleObject*>(this); }

  // In-place activation (BrowserInPlace.cpp)
  HRESULT ActivateInPlace(IOleClientSite* activeSite);
  HRESULT ActivateUI();
  void ShowPage(bool show);
  void CreatePageWindow(HWND parent, const RECT& position);
  void DestroyPageWindow();
  static LRESULT CALLBACK PageWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  LRESULT OnPageMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc, const RECT& bounds) const;

  // The page: navigation, events and script (BrowserPage.cpp)
  HRESULT DoNavigate(std::wstring url, VARIANT* flags, VARIANT* target, VARIANT* postData, VARIANT* headers,
                     Via via, HRESULT injected);
  void QueueStep(PageStep step);
  bool EnsureQueueWindow();
  static LRESULT CALLBACK QueueWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  void RunNextStep();
  void CompleteNavigation(const PageStep& step);
  void FireNavigateComplete2(IDispatch* browser, const std::wstring& url, bool frame);
  void CallExternal(const PageRule& rule);
  void AskHostInfo(IOleClientSite* site);

  // Automation helpers (BrowserAutomation.cpp)
  HRESULT InvokeNavigate(WORD flags, DISPPARAMS* params, UINT* argErr, EXCEPINFO* excep);
  HRESULT InvokeSilent(WORD flags, DISPPARAMS* params, VARIANT* result, UINT* argErr, EXCEPINFO* excep);
  HRESULT InvokeLocation(WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep);
  HRESULT PutSilent(VARIANT& value, bool named, Via via, HRESULT injected);
  HRESULT GetSilent(VARIANT_BOOL& value, Via via, HRESULT injected);
  HRESULT GetLocation(BSTR& url, Via via, HRESULT injected);

  std::atomic<ULONG> m_refs{1};

  ComPtr<IOleClientSite> m_clientSite;
  ComPtr<IOleAdviseHolder> m_adviseHolder;
  ComPtr<IAdviseSink> m_viewSink;
  DWORD m_viewAspects = 0;
  DWORD m_viewAdvf = 0;

  ComPtr<IOleInPlaceSite> m_inPlaceSite;
  ComPtr<IOleInPlaceFrame> m_frame;
  ComPtr<IOleInPlaceUIWindow> m_uiWindow;
  bool m_uiActive = false;
  HWND m_pageWindow = nullptr;
  DWORD m_hostFlags = 0;

  SIZEL m_extent{8467, 5292};  // 320 x 200 pixels at 96 dpi, in HIMETRIC
  bool m_initialised = false;
  std::vector<BYTE> m_savedState;
  int m_freezeCount = 0;

  bool m_silent = false;
  std::wstring m_locationUrl;
  HWND m_queueWindow = nullptr;
  std::deque<PageStep> m_steps;

  ConnectionPoint m_events2;
  ConnectionPoint m_propertyNotify;
};

}  // namespace browser_double

#pragma GCC diagnostic pop
