#pragma once
// A headless client for one test: virtual clock, in-memory network with this computer
// ("TAVIMO-PC07", 10.0.0.7) and the café server ("CAFESERVER", 10.0.0.1), the headless
// back end and the application, installed for the test's duration.
#include "platform/Net.h"
#include "platform/Platform.h"
#include "platform/VirtualClock.h"
#include "runtime/App.h"
#include "runtime/headless/HeadlessBackend.h"

namespace tavimo::testing {

struct HeadlessApp {
  VirtualClock clock;
  FakeNetwork network{clock};
  FakeNet& thisPc = network.host("TAVIMO-PC07", "10.0.0.7");
  FakeNet& server = network.host("CAFESERVER", "10.0.0.1");
  rt::HeadlessBackend backend{clock};
  rt::App app{backend};
  Platform previous = platform();

  HeadlessApp() {
    backend.setResourceFolder(TAVIMO_PICTURES_DIR);
    Platform services = previous;
    services.net = &thisPc;
    installPlatform(services);
  }
  ~HeadlessApp() { installPlatform(previous); }
};

}  // namespace tavimo::testing
