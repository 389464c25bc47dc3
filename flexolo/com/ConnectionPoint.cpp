#include "com/ConnectionPoint.h"

#include <olectl.h>

#include <algorithm>

namespace tavimo::flexolo::com {

ConnectionPoint::ConnectionPoint(IConnectionPointContainer& container, const IID& iid,
                                 bool dispatchBased)
    : container_(&container), iid_(iid), dispatchBased_(dispatchBased) {}

void ConnectionPoint::detach() {
  container_ = nullptr;
  sinks_.clear();
}

void* ConnectionPoint::interfaceFor(REFIID iid) {
  if (iid == IID_IUnknown || iid == IID_IConnectionPoint)
    return static_cast<IConnectionPoint*>(this);
  return nullptr;
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
  if (!iid) return E_POINTER;
  *iid = iid_;
  return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
  if (!out) return E_POINTER;
  *out = container_;
  if (!container_) return E_UNEXPECTED;
  container_->AddRef();
  return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (!cookie) return E_POINTER;
  *cookie = 0;
  if (!sink) return E_POINTER;
  if (!container_) return E_UNEXPECTED;
  Microsoft::WRL::ComPtr<IUnknown> typed;
  if (FAILED(sink->QueryInterface(iid_, reinterpret_cast<void**>(typed.GetAddressOf()))) &&
      (!dispatchBased_ ||
       FAILED(sink->QueryInterface(IID_IDispatch,
                                   reinterpret_cast<void**>(typed.ReleaseAndGetAddressOf())))))
    return CONNECT_E_CANNOTCONNECT;
  *cookie = nextCookie_++;
  sinks_.emplace_back(*cookie, std::move(typed));
  return S_OK;
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
  auto found = std::find_if(sinks_.begin(), sinks_.end(),
                            [&](const auto& entry) { return entry.first == cookie; });
  if (found == sinks_.end()) return CONNECT_E_NOCONNECTION;
  sinks_.erase(found);
  return S_OK;
}

HRESULT ConnectionPoint::EnumConnections(IEnumConnections** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

}  // namespace tavimo::flexolo::com
