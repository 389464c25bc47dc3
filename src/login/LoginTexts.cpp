#include "login/LoginTexts.h"

#include <string>

#include "core/StoredState.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "runtime/App.h"
#include "util/Convert.h"

namespace tavimo {

namespace {
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
  label.setCaption(content->substr(0, bar));
}
}  // namespace

void loadLoginTexts(rt::Label& first, rt::Label& second) {
  loadInto(first, stored::loginTextsFile);
  loadInto(second, stored::loginTexts2File);
}

}  // namespace tavimo
