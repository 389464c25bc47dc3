#include "net/ReceivedFile.h"

#include "platform/Files.h"
#include "platform/Platform.h"

namespace tavimo {

void ReceivedFile::start(const std::string& path) {
  Files& files = *platform().files;
  path_.reset();
  if (files.exists(path)) files.remove(path);
  if (files.writeAll(path, {})) path_ = path;
}

void ReceivedFile::append(std::string_view piece) {
  if (path_ && !platform().files->append(*path_, piece)) path_.reset();
}

}  // namespace tavimo
