#pragma once
// Which peer makes and serves the windows of each kind of control: the one table to extend
// with a new kind. Timers, sockets and controls of other libraries have no window and no peer.
#include <map>
#include <memory>

#include "runtime/Control.h"
#include "runtime/win32/ControlPeer.h"

namespace tavimo::rt {

class PeerTable {
 public:
  explicit PeerTable(Win32Context& context);
  // Nothing for a kind without a window.
  ControlPeer* peerFor(ControlKind kind) const;

 private:
  std::map<ControlKind, std::unique_ptr<ControlPeer>> peers_;
};

}  // namespace tavimo::rt
