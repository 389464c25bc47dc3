// The server's answers to a member's login, one after another on the member socket, through the account
// window to the timer when the account lets the customer in.
#include "FuzzClient.h"
#include "FuzzInput.h"
#include "net/Ports.h"

using namespace tavimo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzClient f;
  f.accountSession("anna", "pw", ports::wskMember, fuzzing::partsOf(data, size));
  return 0;
}
