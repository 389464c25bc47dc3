// The client's stored values as another program (or a damaged registry) may have left them:
// any type, any length. Each part is a value, "name=" followed by one byte, its type, and its
// data; a name the client stores in another key than the session key ("Software\Tavimo\
// Timers") is put there. A name with a "\" names a key below "Software\Tavimo" too
// ("Timers\Programs\Notepad"). Then the client reads them as it runs: the login screen loads,
// the server asks for the settings, a guest session starts and runs for a few seconds, and the
// close check reads the stored password.
#include <iterator>

#include "FuzzClient.h"
#include "FuzzInput.h"
#include "core/CloseCheck.h"
#include "core/EntryDialog.h"
#include "login/GuestTimerStart.h"
#include "net/Ports.h"

using namespace tavimo;

namespace {

const stored::Value knownValues[] = {
    stored::TVServer,  stored::TVSSpec,      stored::UserId,   stored::GuestName,    stored::Status,
    stored::Continue,  stored::Date,         stored::LoginTime, stored::LogoutTime,  stored::Elapsed,
    stored::Amount,    stored::RateType,     stored::TimeLimit, stored::Remind,      stored::SecuredLogin,
    stored::lgnName,   stored::LoginScr,     stored::PreviousDate, stored::SecSetting, stored::Blocking,
    stored::BlockType, stored::p0,           stored::JVM0,     stored::JVM1,
};

stored::Key keyOf(const std::string& name, std::string& valueName, std::string& path) {
  const std::size_t slash = name.rfind('\\');
  if (slash != std::string::npos) {
    path = "Software\\Tavimo\\" + name.substr(0, slash);
    valueName = name.substr(slash + 1);
    return {reg::LocalMachine, path.c_str()};
  }
  valueName = name;
  for (const stored::Value& value : knownValues)
    if (name == value.name) return value.key;
  if (name.size() > 1 && name[0] == 'a') return stored::javaKey;  // the panel's flags a0 to a13
  return stored::timersKey;
}

void store(FakeRegistry& registry, const std::string& part) {
  const std::size_t equals = part.find('=');
  if (equals == std::string::npos || equals + 1 >= part.size()) return;
  std::string name, path;
  const stored::Key key = keyOf(part.substr(0, equals), name, path);
  const auto type = static_cast<unsigned char>(part[equals + 1]);
  const std::string data = part.substr(equals + 2);
  RegKey opened = 0;
  if (registry.createKey(key.hive, key.path, reg::FullAccess, &opened, nullptr) != status::Success) return;
  registry.setValue(opened, name, type, data.data(), static_cast<std::uint32_t>(data.size()));
  registry.closeKey(opened);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzClient f;
  const auto parts = fuzzing::partsOf(data, size);
  auto storeAll = [&] {
    for (const std::string& part : parts) store(f.pc.registry, part);
  };
  storeAll();
  f.startLogin();
  // The login screen's load writes the session's Status and Continue: put them back.
  storeAll();
  f.deliver(ports::Winsockls, "8");
  startGuestTimer();
  f.pc.h.backend.advance(3000);
  f.pc.h.backend.onModal("frmPasswd", [](rt::Form& form) {
    auto& dialog = static_cast<frmPasswd&>(form);
    dialog.txtpas.typeText("admin");
    dialog.cmdsubt.userClick();
  });
  closeCheck();
  return 0;
}
