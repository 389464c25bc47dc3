// The website file as the download leaves it in the system folder, applied; the website filter
// then judges the addresses of three open browsers by the patterns it stored. Then the lists
// are emptied through the file, and the file applied again.
#include "FuzzClient.h"
#include "FuzzInput.h"
#include "lockdown/SiteLists.h"
#include "lockdown/frmBlocks.h"
#include "lockdown/readini.h"
#include "lockdown/serverblock.h"

using namespace tavimo;

namespace {
// Internet Explorer's windows as the filter finds them: the frame, the address box two levels
// down in the toolbar, the page view.
void openBrowser(FakeDesktop& desktop, const std::string& address) {
  const WindowHandle frame = desktop.addWindow("IEFrame", "Page - Microsoft Internet Explorer");
  const WindowHandle bar = desktop.addWindow("ReBarWindow32", "", frame);
  const WindowHandle combo = desktop.addWindow("ComboBoxEx32", "", bar);
  desktop.addWindow("Edit", address, combo);
  desktop.addWindow("Internet Explorer_Server", "", frame);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzClient f;
  f.pc.files.writeAll(siteFilePath(), fuzzing::textOf(data, size));
  serverblock();
  for (const char* address : {"http://www.games.com/play", "http://www.news.com/", "about:blank"})
    openBrowser(f.pc.desktop, address);
  f.pc.h.app.form<frmBlocks>();
  f.pc.h.backend.advance(50);
  f.pc.h.app.form<frmBlocks>().unload();
  readini().siteset();
  serverblock();
  return 0;
}
