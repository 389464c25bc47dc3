#include "net/listener.h"

#include "net/Ports.h"

namespace tavimo {

listener::listener() : Form("listener") { setCaption("listener"); }

void listener::onLoad() { Winsockls.bind(ports::Winsockls); }

}  // namespace tavimo
