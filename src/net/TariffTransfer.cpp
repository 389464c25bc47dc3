#include "net/TariffTransfer.h"

#include "core/ClientContext.h"
#include "core/StoredState.h"
#include "net/Message.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "session/Tariff.h"

namespace tavimo {

namespace {

// The file being written, from a start to the end of its transfer. Pieces that come outside
// a transfer, or after a piece that could not be written, are dropped: a file with a gap
// would read as a different tariff.
std::optional<std::string> openFile;

void startFile() {
  Files& files = *platform().files;
  const std::string path = stored::systemFile(stored::tariffFile);
  openFile.reset();
  if (files.exists(path)) files.remove(path);
  if (files.writeAll(path, {})) openFile = path;
}

void appendPiece(const std::string& datagram) {
  if (!openFile || datagram.size() <= 2) return;
  if (!platform().files->append(*openFile, std::string_view(datagram).substr(2))) openFile.reset();
}

}  // namespace

std::optional<std::string> takeTariffDatagram(const std::string& datagram) {
  switch (messageCode(datagram)) {
    case '1':
      startFile();
      return "2|" + client().pcName;
    case '4':
      appendPiece(datagram);
      return "3|" + client().pcName;
    case '3':
      openFile.reset();
      loadTariff();
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

void resetTariffTransfer() { openFile.reset(); }

}  // namespace tavimo
