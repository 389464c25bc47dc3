#include "runtime/win32/PeerTable.h"

namespace tavimo::rt {

// Each made in its kind's own file.
std::unique_ptr<ControlPeer> makeLabelPeer(Win32Context& context);
std::unique_ptr<ControlPeer> makeTextBoxPeer(Win32Context& context);
std::unique_ptr<ControlPeer> makeCommandButtonPeer(Win32Context& context);
std::unique_ptr<ControlPeer> makeCheckBoxPeer(Win32Context& context);
std::unique_ptr<ControlPeer> makeOptionButtonPeer(Win32Context& context);
std::unique_ptr<ControlPeer> makeListBoxPeer(Win32Context& context);
std::unique_ptr<ControlPeer> makeComboBoxPeer(Win32Context& context);
std::unique_ptr<ControlPeer> makeFramePeer(Win32Context& context);
std::unique_ptr<ControlPeer> makeImagePeer(Win32Context& context);
std::unique_ptr<ControlPeer> makeUpDownPeer(Win32Context& context);
std::unique_ptr<ControlPeer> makeTabStripPeer(Win32Context& context);
std::unique_ptr<ControlPeer> makeShapePeer(Win32Context& context);
std::unique_ptr<ControlPeer> makeListViewPeer(Win32Context& context);

namespace {
using MakePeer = std::unique_ptr<ControlPeer> (*)(Win32Context&);

const std::pair<ControlKind, MakePeer> peerMakers[] = {
    {ControlKind::Label, makeLabelPeer},
    {ControlKind::TextBox, makeTextBoxPeer},
    {ControlKind::CommandButton, makeCommandButtonPeer},
    {ControlKind::CheckBox, makeCheckBoxPeer},
    {ControlKind::OptionButton, makeOptionButtonPeer},
    {ControlKind::ListBox, makeListBoxPeer},
    {ControlKind::ComboBox, makeComboBoxPeer},
    {ControlKind::Frame, makeFramePeer},
    {ControlKind::Image, makeImagePeer},
    {ControlKind::UpDown, makeUpDownPeer},
    {ControlKind::TabStrip, makeTabStripPeer},
    {ControlKind::Shape, makeShapePeer},
    {ControlKind::ListView, makeListViewPeer},
};
}  // namespace

PeerTable::PeerTable(Win32Context& context) {
  for (auto [kind, make] : peerMakers) peers_[kind] = make(context);
}

ControlPeer* PeerTable::peerFor(ControlKind kind) const {
  auto it = peers_.find(kind);
  return it == peers_.end() ? nullptr : it->second.get();
}

}  // namespace tavimo::rt
