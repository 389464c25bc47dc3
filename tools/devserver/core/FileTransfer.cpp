#include "core/FileTransfer.h"

#include <algorithm>
#include <utility>

namespace tavimo::devserver {
namespace {

std::string bytesText(std::size_t bytes) {
  return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

}  // namespace

FileTransfers::FileTransfers(std::string kind, std::size_t pieceSize, std::size_t maxOpen)
    : kind_(std::move(kind)),
      pieceSize_(std::max<std::size_t>(pieceSize, 1)),
      maxOpen_(std::max<std::size_t>(maxOpen, 1)) {}

std::size_t FileTransfers::pieceCount(std::size_t bytes) const {
  return (bytes + pieceSize_ - 1) / pieceSize_;
}

TransferStep FileTransfers::begin(const Endpoint& client, const std::string& name,
                                  std::string content) {
  transfers_.erase(client);
  if (transfers_.size() >= maxOpen_) {
    transfers_.erase(std::min_element(transfers_.begin(), transfers_.end(),
                                      [](const auto& a, const auto& b) {
                                        return a.second.startOrder < b.second.startOrder;
                                      }));
  }
  const std::size_t bytes = content.size();
  transfers_[client] = Transfer{name, std::move(content), 0, 0, '2', ++started_};
  return {"1|" + name, kind_ + " transfer of " + name + " to " + client.text() + ": " +
                           bytesText(bytes) + " in " + std::to_string(pieceCount(bytes)) +
                           " piece(s) of at most " + bytesText(pieceSize_)};
}

TransferStep FileTransfers::acknowledge(const Endpoint& client, char code) {
  const auto transfer = transfers_.find(client);
  if (transfer == transfers_.end()) {
    return {std::nullopt, "no " + kind_ + " transfer to " + client.text() + " is open; ignored"};
  }
  if (code != transfer->second.expected) {
    return {std::nullopt, kind_ + " transfer to " + client.text() + " waits for a \"" +
                              transfer->second.expected + "\" acknowledgement; ignored"};
  }
  return nextPiece(transfer);
}

TransferStep FileTransfers::nextPiece(std::map<Endpoint, Transfer>::iterator transfer) {
  Transfer& t = transfer->second;
  if (t.sent >= t.content.size()) {
    TransferStep end{"3|" + t.name, kind_ + " transfer of " + t.name + " to " +
                                        transfer->first.text() + " complete: " +
                                        bytesText(t.content.size()) + " in " +
                                        std::to_string(t.piecesSent) + " piece(s)"};
    transfers_.erase(transfer);
    return end;
  }
  const std::string piece = t.content.substr(t.sent, pieceSize_);
  t.sent += piece.size();
  t.expected = '3';
  ++t.piecesSent;
  return {"4|" + piece, t.name + " piece " + std::to_string(t.piecesSent) + " of " +
                            std::to_string(pieceCount(t.content.size())) + " (" +
                            bytesText(piece.size()) + ")"};
}

}  // namespace tavimo::devserver
