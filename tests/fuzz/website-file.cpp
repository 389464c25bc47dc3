// The website file as the download leaves it in the system folder, applied; then its
// restrictions lifted through the file, and applied again from what the lifting wrote.
#include "FuzzClient.h"
#include "FuzzInput.h"
#include "lockdown/SiteLists.h"
#include "lockdown/readini.h"
#include "lockdown/serverblock.h"

using namespace tavimo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzClient f;
  f.pc.files.writeAll(siteFilePath(), fuzzing::textOf(data, size));
  serverblock();
  readini().siteset();
  serverblock();
  return 0;
}
