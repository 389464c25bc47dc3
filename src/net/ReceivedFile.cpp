#include "net/ReceivedFile.h"

#include "platform/Files.h"
#include "platform/Platform.h"

namespace tavimo {

void ReceivedFile::start(const std::string& path) {
  Files& files = *platform().files;
  path_.reset();
  written_ = 0;
  if (files.exists(path)) files.remove(path);
  if (files.writeAll(path, {})) path_ = path;
}

void ReceivedFile::append(std::string_view piece) {
  if (!path_) return;
  if (written_ + piece.size() > maxBytes || !platform().files->append(*path_, piece)) {
    path_.reset();
    return;
  }
  written_ += piece.size();
}

}  // namespace tavimo
