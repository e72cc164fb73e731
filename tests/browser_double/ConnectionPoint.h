// The connection points of the browser double: one per outgoing interface.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>
#include <wrl/client.h>

#include <vector>

#include "Com.h"

// COM objects are freed by their own Release, never through an interface
// pointer, so the interfaces' non-virtual destructors are as intended.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

namespace browser_double {

using Microsoft::WRL::ComPtr;

// Lives inside its container and shares the container's reference count, so a
// host holding a connection point keeps the control alive, as with the real one.
class ConnectionPoint final : public IConnectionPoint {
 public:
  ConnectionPoint(IConnectionPointContainer& owner, const IID& iid, const wchar_t* name)
      : m_owner(owner), m_iid(iid), m_name(name) {}
  virtual ~ConnectionPoint() = default;
  ConnectionPoint(const ConnectionPoint&) = delete;
  ConnectionPoint& operator=(const ConnectionPoint&) = delete;

  const IID& Iid() const { return m_iid; }
  const wchar_t* Name() const { return m_name; }
  size_t ConnectionCount() const { return m_connections.size(); }
  // The sinks as IDispatch, copied so that a sink may unadvise while it is called.
  std::vector<ComPtr<IDispatch>> DispatchSinks() const;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) noexcept override;
  STDMETHODIMP_(ULONG) AddRef() noexcept override;
  STDMETHODIMP_(ULONG) Release() noexcept override;
  // IConnectionPoint
  STDMETHODIMP GetConnectionInterface(IID* pIID) noexcept override;
  STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** ppCPC) noexcept override;
  STDMETHODIMP Advise(IUnknown* pUnkSink, DWORD* pdwCookie) noexcept override;
  STDMETHODIMP Unadvise(DWORD dwCookie) noexcept override;
  STDMETHODIMP EnumConnections(IEnumConnections** ppEnum) noexcept override;

 private:
  struct Connection {
    DWORD cookie;
    ComPtr<IUnknown> sink;  // the pointer the sink gave for m_iid
  };
  IConnectionPointContainer& m_owner;
  IID m_iid;
  const wchar_t* m_name;
  std::vector<Connection> m_connections;
  DWORD m_nextCookie = 1;
};

// IEnumConnectionPoints over a fixed list.
class ConnectionPointEnum final : public IEnumConnectionPoints, public LiveObject {
 public:
  explicit ConnectionPointEnum(std::vector<ComPtr<IConnectionPoint>> points, size_t position = 0)
      : m_points(std::move(points)), m_position(position) {}

  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) noexcept override;
  STDMETHODIMP_(ULONG) AddRef() noexcept override;
  STDMETHODIMP_(ULONG) Release() noexcept override;
  STDMETHODIMP Next(ULONG cConnections, IConnectionPoint** ppCP, ULONG* pcFetched) noexcept override;
  STDMETHODIMP Skip(ULONG cConnections) noexcept override;
  STDMETHODIMP Reset() noexcept override;
  STDMETHODIMP Clone(IEnumConnectionPoints** ppEnum) noexcept override;

 private:
  std::atomic<ULONG> m_refs{1};
  std::vector<ComPtr<IConnectionPoint>> m_points;
  size_t m_position;
};

}  // namespace browser_double

#pragma GCC diagnostic pop
