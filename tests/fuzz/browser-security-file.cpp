// The browser security file as the download leaves it in the system folder, applied; then its
// restrictions lifted through the file, and applied again from what the lifting wrote.
#include "FuzzClient.h"
#include "FuzzInput.h"
#include "lockdown/BrowserPolicies.h"
#include "lockdown/readini.h"
#include "lockdown/serverexpo.h"

using namespace tavimo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzClient f;
  f.pc.files.writeAll(browserSecurityFilePath(), fuzzing::textOf(data, size));
  serverexpo();
  readini().fillset();
  serverexpo();
  return 0;
}
