// The server's answers to ticket requests, one after another on the ticket socket.
#include "FuzzClient.h"
#include "FuzzInput.h"
#include "net/Ports.h"

using namespace tavimo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzClient f;
  for (const std::string& reply : fuzzing::partsOf(data, size)) f.deliver(ports::wskTicket, reply);
  return 0;
}
