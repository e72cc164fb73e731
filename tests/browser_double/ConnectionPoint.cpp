#include "ConnectionPoint.h"

#include <new>

#include "Log.h"

namespace browser_double {

std::vector<ComPtr<IDispatch>> ConnectionPoint::DispatchSinks() const {
  std::vector<ComPtr<IDispatch>> sinks;
  for (const Connection& c : m_connections) {
    // A sink asked for a dispinterface answers with an IDispatch pointer.
    sinks.emplace_back(static_cast<IDispatch*>(static_cast<void*>(c.sink.Get())));
  }
  return sinks;
}

STDMETHODIMP ConnectionPoint::QueryInterface(REFIID riid, void** ppv) noexcept {
  if (!ppv) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IConnectionPoint) {
    *ppv = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) ConnectionPoint::AddRef() noexcept { return m_owner.AddRef(); }
STDMETHODIMP_(ULONG) ConnectionPoint::Release() noexcept { return m_owner.Release(); }

STDMETHODIMP ConnectionPoint::GetConnectionInterface(IID* pIID) noexcept {
  if (!pIID) return E_POINTER;
  *pIID = m_iid;
  return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** ppCPC) noexcept {
  if (!ppCPC) return E_POINTER;
  *ppCPC = &m_owner;
  m_owner.AddRef();
  return S_OK;
}

STDMETHODIMP ConnectionPoint::Advise(IUnknown* pUnkSink, DWORD* pdwCookie) noexcept {
  if (!pdwCookie) return E_POINTER;
  *pdwCookie = 0;
  HRESULT hr = S_OK;
  try {
    ComPtr<IUnknown> sink;
    if (!pUnkSink) {
      hr = E_POINTER;
    } else if (FAILED(pUnkSink->QueryInterface(m_iid, reinterpret_cast<void**>(sink.GetAddressOf()))) || !sink) {
      hr = CONNECT_E_CANNOTCONNECT;
    } else {
      DWORD cookie = m_nextCookie++;
      m_connections.push_back({cookie, std::move(sink)});
      *pdwCookie = cookie;
    }
    Record(L"advise iid=" + std::wstring(m_name) + L" cookie=" + std::to_wstring(*pdwCookie) + L" hr=" + Hr(hr));
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  return hr;
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD dwCookie) noexcept {
  HRESULT hr = CONNECT_E_NOCONNECTION;
  ComPtr<IUnknown> released;  // released after the record is written
  for (auto it = m_connections.begin(); it != m_connections.end(); ++it) {
    if (it->cookie == dwCookie) {
      released = std::move(it->sink);
      m_connections.erase(it);
      hr = S_OK;
      break;
    }
  }
  try {
    Record(L"unadvise iid=" + std::wstring(m_name) + L" cookie=" + std::to_wstring(dwCookie) + L" hr=" + Hr(hr));
  } catch (const std::bad_alloc&) {
  }
  return hr;
}

STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** ppEnum) noexcept {
  if (!ppEnum) return E_POINTER;
  *ppEnum = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP ConnectionPointEnum::QueryInterface(REFIID riid, void** ppv) noexcept {
  if (!ppv) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IEnumConnectionPoints) {
    *ppv = static_cast<IEnumConnectionPoints*>(this);
    AddRef();
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) ConnectionPointEnum::AddRef() noexcept { return ++m_refs; }

STDMETHODIMP_(ULONG) ConnectionPointEnum::Release() noexcept {
  ULONG refs = --m_refs;
  if (refs == 0) delete this;
  return refs;
}

STDMETHODIMP ConnectionPointEnum::Next(ULONG cConnections, IConnectionPoint** ppCP, ULONG* pcFetched) noexcept {
  if (!ppCP || (cConnections > 1 && !pcFetched)) return E_POINTER;
  ULONG fetched = 0;
  while (fetched < cConnections && m_position < m_points.size()) {
    ppCP[fetched] = m_points[m_position].Get();
    ppCP[fetched]->AddRef();
    ++fetched;
    ++m_position;
  }
  if (pcFetched) *pcFetched = fetched;
  return fetched == cConnections ? S_OK : S_FALSE;
}

STDMETHODIMP ConnectionPointEnum::Skip(ULONG cConnections) noexcept {
  size_t left = m_points.size() - m_position;
  if (cConnections > left) {
    m_position = m_points.size();
    return S_FALSE;
  }
  m_position += cConnections;
  return S_OK;
}

STDMETHODIMP ConnectionPointEnum::Reset() noexcept {
  m_position = 0;
  return S_OK;
}

STDMETHODIMP ConnectionPointEnum::Clone(IEnumConnectionPoints** ppEnum) noexcept {
  if (!ppEnum) return E_POINTER;
  *ppEnum = nullptr;
  try {
    *ppEnum = new ConnectionPointEnum(m_points, m_position);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

}  // namespace browser_double
