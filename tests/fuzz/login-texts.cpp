// The login screen's two text files in the program folder ("aid.log" the first part,
// "aid2.log" the second, if any), loaded into the screen's labels as its activation does.
#include <filesystem>

#include "FuzzClient.h"
#include "FuzzInput.h"
#include "login/LoginTexts.h"
#include "platform/FakePath.h"
#include "support/LoginTextLabels.h"

using namespace tavimo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzClient f;
  // The program runs from the fake system folder; its texts are in "systemfiles" below it.
  f.pc.h.backend.setProgramFile(f.pc.systemFile("TavimoClient.exe"));
  std::filesystem::create_directories(fakePath(f.pc.systemFile("systemfiles")));
  const auto parts = fuzzing::partsOf(data, size);
  f.pc.files.writeAll(f.pc.systemFile("systemfiles\\aid.log"), parts[0]);
  if (parts.size() > 1) f.pc.files.writeAll(f.pc.systemFile("systemfiles\\aid2.log"), parts[1]);
  auto& form = f.pc.h.app.form<frmTexts>();
  loadLoginTexts(form.first, form.second);
  return 0;
}
