// The server's remote commands, one after another, to a client at its login screen. Some end
// the program, as they should: the commands after them find no client to reach.
#include "FuzzClient.h"
#include "FuzzInput.h"
#include "net/Ports.h"

using namespace tavimo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzClient f;
  f.startLogin();
  stored::write(stored::SecSetting, 1);
  try {
    for (const std::string& command : fuzzing::partsOf(data, size)) f.deliver(ports::Winsockls, command);
  } catch (const rt::ProgramEnded&) {
  }
  return 0;
}
