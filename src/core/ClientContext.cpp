#include "core/ClientContext.h"

#include <algorithm>

#include "platform/Net.h"
#include "platform/Platform.h"
#include "runtime/App.h"

namespace tavimo {

namespace {
ClientContext context;
}

ClientContext& client() { return context; }

void resetClient() { context = ClientContext(); }

void setServerName(const std::string& name) {
  context.serverName = name;
  context.serverAddresses = platform().net->resolve(name);
}

void installDatagramFilter() {
  rt::app().setDatagramFilter([](const std::string& address) {
    const auto& accepted = context.serverAddresses;
    return std::find(accepted.begin(), accepted.end(), address) != accepted.end();
  });
}

}  // namespace tavimo
