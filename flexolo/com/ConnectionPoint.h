#pragma once
// One outgoing interface of a control (its events, or property change notices): the sinks
// that its container advised, and a safe way to call each of them.
#include <ocidl.h>
#include <wrl/client.h>

#include <utility>
#include <vector>

#include "com/ComObject.h"

namespace tavimo::flexolo::com {

class ConnectionPoint final : public ComObject<IConnectionPoint> {
 public:
  // A dispatch-based point also takes sinks that answer only to IDispatch.
  ConnectionPoint(IConnectionPointContainer& container, const IID& iid, bool dispatchBased);

  // The container is going away: forget it and every sink.
  void detach();
  const IID& iid() const { return iid_; }

  // Calls call(sink) for each sink, as the interface this point stands for. A sink may
  // unadvise while it is being called.
  template <class Interface, class Call>
  void forEachSink(Call call) {
    std::vector<Microsoft::WRL::ComPtr<IUnknown>> current;
    for (auto& [cookie, sink] : sinks_) current.push_back(sink);
    for (auto& sink : current) call(static_cast<Interface*>(static_cast<void*>(sink.Get())));
  }

  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** out) override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) override;

 private:
  void* interfaceFor(REFIID iid) override;

  IConnectionPointContainer* container_;  // not held: the container holds this point
  IID iid_;
  bool dispatchBased_;
  std::vector<std::pair<DWORD, Microsoft::WRL::ComPtr<IUnknown>>> sinks_;
  DWORD nextCookie_ = 1;
};

}  // namespace tavimo::flexolo::com
