// The server's answers to a ticket login, one after another on the ticket socket, through the account
// window to the timer when the account lets the customer in.
#include "FuzzClient.h"
#include "FuzzInput.h"
#include "net/Ports.h"

using namespace tavimo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzClient f;
  f.accountSession("1001", "day", ports::wskTicket, fuzzing::partsOf(data, size));
  return 0;
}
