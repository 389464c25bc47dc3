#pragma once
// A freshly installed client with its socket form loaded and no tariff, the café server's
// guest port to stream the tariff from, and the tariff file in the system folder.
#include <gtest/gtest.h>

#include <string>

#include "core/StoredState.h"
#include "net/TariffTransfer.h"
#include "net/frmSocks.h"
#include "session/Tariff.h"
#include "support/HeadlessClient.h"
#include "support/IniText.h"

namespace tavimo::testing {

class TariffClient : public ::testing::Test {
 protected:
  TariffClient() {
    resetTariff();
    resetTariffTransfer();
    client().pcName = "TAVIMO-PC07";
    setServerName("CAFESERVER");
    c.h.app.form<frmSocks>();
  }
  ~TariffClient() override {
    resetTariff();
    resetTariffTransfer();
  }

  // One datagram from the server's guest port to this computer's guest socket, handled.
  void send(const std::string& datagram) {
    guestPort.sendTo("10.0.0.7", 45667, datagram);
    c.h.backend.advance(10);
  }
  // The server's whole transfer: the start, the content in pieces of pieceSize bytes, the end.
  void transfer(std::string_view content, std::size_t pieceSize) {
    send("1|charges24.ini");
    for (std::size_t at = 0; at < content.size(); at += pieceSize)
      send("4|" + std::string(content.substr(at, pieceSize)));
    send("3|charges24.ini");
  }
  // The tariff file as a finished transfer leaves it, then loaded.
  void load(const std::string& fileText) {
    ASSERT_TRUE(c.files.writeAll(tariffPath(), fileText));
    loadTariff();
  }
  std::string tariffPath() { return c.systemFile("charges24.ini"); }
  std::string fileContent() { return c.files.readAll(tariffPath()).value_or("<no file>"); }

  HeadlessClient c;
  ServerPort guestPort{c.h.server, 45673};
};

}  // namespace tavimo::testing
