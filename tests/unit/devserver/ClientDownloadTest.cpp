// The development server's core with its sample configuration, and the real client, headless,
// on one in-memory network: what a demo of "push-settings" does to a café computer.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>

#include "core/Config.h"
#include "core/DevServer.h"
#include "core/FileText.h"
#include "core/Ports.h"
#include "core/StoredState.h"
#include "core/frmconnection.h"
#include "login/frmstart.h"
#include "net/SettingsTransfer.h"
#include "net/listener.h"
#include "support/HeadlessClient.h"
#include "util/mdlRegistry.h"

namespace tavimo {
namespace {

using testing::dword;
using testing::sz;
const std::filesystem::path sampleFolder = DEVSERVER_SAMPLE_DIR;

// The server on the café server's host of the network: every server port bound there, each
// datagram handed to the server, what it sends going out from the port it names.
class CafeServer {
 public:
  CafeServer(FakeNet& host, devserver::Config config)
      : server_(std::move(config),
                devserver::ServerClock(std::string("12/09/2026"), std::string("10:31:05 AM"))) {
    for (const auto& entry : devserver::serverPorts()) {
      auto socket = host.createSocket();
      EXPECT_EQ(socket->bind(entry.number), 0);
      socket->onReceive = [this, port = entry.number](const Datagram& d) {
        deliver(server_.receive(devserver::Incoming{port, {d.fromAddress, d.fromPort}, d.data}));
      };
      sockets_[entry.number] = std::move(socket);
    }
  }
  void console(const std::string& line) { deliver(server_.console(line)); }
  std::vector<std::string> notes;

 private:
  void deliver(const devserver::Outcome& outcome) {
    notes.insert(notes.end(), outcome.notes.begin(), outcome.notes.end());
    for (const auto& datagram : outcome.sends)
      EXPECT_EQ(sockets_.at(datagram.fromPort)->sendTo(datagram.to.address, datagram.to.port, datagram.text), 0);
  }

  devserver::DevServer server_;
  std::map<std::uint16_t, std::unique_ptr<DatagramSocket>> sockets_;
};

// A café computer that takes its security settings from the server, started against the
// sample server until its login screen shows.
class SamplePushSettings : public ::testing::Test {
 protected:
  SamplePushSettings() {
    resetSettingsTransfer();
    writeValue(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Server", "TVServer", "CAFESERVER", REG_SZ);
    writeValue(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Server", "TVSSpec", 1, REG_DWORD);
    stored::write(stored::SecSetting, 1);
    pc.desktop.processes = {{5, "C:\\WINDOWS\\explorer.exe"}};
    pc.h.app.form<frmconnection>().show();
    pc.h.backend.advance(2000);
  }
  ~SamplePushSettings() override { resetSettingsTransfer(); }

  testing::HeadlessClient pc;
  CafeServer cafe{pc.h.server, devserver::loadConfig(sampleFolder / "devserver.ini")};
};

TEST_F(SamplePushSettings, TheClientWritesTheThreeFilesAndAppliesThem) {
  ASSERT_TRUE(pc.h.app.isLoaded<listener>()) << "the hello was answered and the login screen is up";
  cafe.console("push-settings TAVIMO-PC07");
  pc.h.backend.advance(2000);

  for (const char* file : {stored::systemSecurityFile, stored::browserSecurityFile, stored::websiteFile}) {
    SCOPED_TRACE(file);
    EXPECT_EQ(pc.files.readAll(stored::systemFile(file)), devserver::readWholeFile(sampleFolder / (file + 1)));
  }
  using namespace stored::policyKey;
  const struct {
    stored::Key key;
    const char* name;
    testing::StoredValue value;
  } demo[] = {
      {Explorer, "NoRun", dword(1)},
      {Explorer, "NoSetFolders", dword(1)},
      {Explorer, "NoFolderOptions", dword(1)},
      {System, "DisableRegistryTools", dword(1)},
      {System, "DisableTaskMgr", dword(1)},
      {PolicySystem, "DisableCMD", dword(1)},
      {ControlPanel, "SecurityTab", dword(1)},
      {ControlPanel, "ConnectionsTab", dword(1)},
      {ControlPanel, "AdvancedTab", dword(1)},
      {Restrictions, "NoBrowserSaveAs", dword(1)},
      {Zone3, "1803", dword(3)},
      {stored::Blocking.key, stored::Blocking.name, dword(1)},
      {stored::BlockType.key, stored::BlockType.name, dword(3)},
      {stored::blockedKey, "casino.example.com", sz("http://www.casino.example.com.com")},
      {stored::blockedKey, "torrent", sz("http://www.torrent.com")},
  };
  for (const auto& d : demo) EXPECT_EQ(pc.stored(d.key, d.name), d.value) << d.name;
  EXPECT_EQ(pc.allValues(Explorer).size(), 3u) << "only what the sample turns on";
  EXPECT_TRUE(pc.allValues(stored::allowedKey).empty());
  EXPECT_TRUE(pc.desktop.processes.empty()) << "the shell restarts with the policies";
  EXPECT_EQ(cafe.notes.back(), "settings transfer of url to 10.0.0.7:45680 complete: " +
                                   std::to_string(devserver::readWholeFile(sampleFolder / "clt_msurls.ini")->size()) +
                                   " bytes in 1 piece(s)");
}

}  // namespace
}  // namespace tavimo
