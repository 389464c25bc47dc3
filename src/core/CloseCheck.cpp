#include "core/CloseCheck.h"

#include "core/ClientContext.h"
#include "core/EntryDialog.h"
#include "core/StoredState.h"
#include "runtime/App.h"
#include "util/Base64.h"

namespace tavimo {

bool closeCheck() {
  std::string stored = stored::readText(stored::p0);
  client().typedPassword.clear();
  rt::app().form<frmPasswd>().show(true);
  std::string password;
  try {
    password = Base64().Decode(stored);
  } catch (const Error&) {
    // Text that decodes to nothing: no password can match it.
    return false;
  }
  return password == client().typedPassword;
}

}  // namespace tavimo
