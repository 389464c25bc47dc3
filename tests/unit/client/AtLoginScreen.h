#pragma once
// A started client at its login screen: the computer "TAVIMO-PC07" knows its server
// "CAFESERVER", the sockets are up and the screen is shown.
#include <gtest/gtest.h>

#include "core/ClientContext.h"
#include "login/frmstart.h"
#include "net/frmSocks.h"
#include "support/HeadlessClient.h"

namespace tavimo::testing {

class AtLoginScreen : public ::testing::Test {
 protected:
  AtLoginScreen() {
    screen.show();
    c.h.backend.advance(10);
  }
  // What the start-up leaves before the login screen loads.
  bool started() {
    client().pcName = "TAVIMO-PC07";
    setServerName("CAFESERVER");
    c.h.app.form<frmSocks>();
    return true;
  }

  HeadlessClient c;
  bool isStarted = started();
  frmstart& screen = c.h.app.form<frmstart>();
};

}  // namespace tavimo::testing
