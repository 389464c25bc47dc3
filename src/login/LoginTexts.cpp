#include "login/LoginTexts.h"

#include <algorithm>
#include <string>

#include "core/StoredState.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "runtime/App.h"
#include "util/Convert.h"

namespace tavimo {

namespace {
// The most of a text a label shows: far more than the editor's header line or message block,
// and little enough that a file of a million lines still draws at once.
constexpr std::size_t maxShownBytes = 64 * 1024;

std::string programFolder() {
  std::string program = rt::app().backend().programFile();
  return program.substr(0, program.find_last_of('\\'));
}

void loadInto(rt::Label& label, const char* fileName) {
  Files& files = *platform().files;
  std::string path = programFolder() + fileName;
  if (!files.exists(path)) files.writeAll(path, "");
  label.setAutoSize(true);
  auto content = files.readAll(path);
  if (!content || content->empty()) return;
  std::size_t bar = content->find('|');
  if (bar != std::string::npos)
    if (auto color = toLong(content->substr(bar + 1))) label.setForeColor(*color);
  label.setCaption(content->substr(0, std::min(bar, maxShownBytes)));
}
}  // namespace

void loadLoginTexts(rt::Label& first, rt::Label& second) {
  loadInto(first, stored::loginTextsFile);
  loadInto(second, stored::loginTexts2File);
}

}  // namespace tavimo
