#include "core/TariffTransfer.h"

#include <algorithm>

namespace tavimo::devserver {
namespace {

constexpr const char* startDatagram = "1|charges24.ini";
constexpr const char* endDatagram = "3|charges24.ini";

std::string bytesText(std::size_t bytes) {
  return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

}  // namespace

TariffTransfers::TariffTransfers(std::size_t pieceSize, std::size_t maxOpen)
    : pieceSize_(std::max<std::size_t>(pieceSize, 1)), maxOpen_(std::max<std::size_t>(maxOpen, 1)) {}

std::size_t TariffTransfers::pieceCount(std::size_t bytes) const {
  return (bytes + pieceSize_ - 1) / pieceSize_;
}

TransferStep TariffTransfers::begin(const Endpoint& client, std::string content) {
  transfers_.erase(client);
  if (transfers_.size() >= maxOpen_) {
    transfers_.erase(std::min_element(transfers_.begin(), transfers_.end(),
                                      [](const auto& a, const auto& b) {
                                        return a.second.startOrder < b.second.startOrder;
                                      }));
  }
  const std::size_t bytes = content.size();
  transfers_[client] = Transfer{std::move(content), 0, 0, '2', ++started_};
  return {startDatagram, "tariff transfer to " + client.text() + ": " + bytesText(bytes) +
                             " in " + std::to_string(pieceCount(bytes)) + " piece(s) of at most " +
                             bytesText(pieceSize_)};
}

TransferStep TariffTransfers::acknowledge(const Endpoint& client, char code) {
  const auto transfer = transfers_.find(client);
  if (transfer == transfers_.end()) {
    return {std::nullopt, "no tariff transfer to " + client.text() + " is open; ignored"};
  }
  if (code != transfer->second.expected) {
    return {std::nullopt, std::string("tariff transfer to ") + client.text() + " waits for a \"" +
                              transfer->second.expected + "\" acknowledgement; ignored"};
  }
  return nextPiece(transfer);
}

TransferStep TariffTransfers::nextPiece(std::map<Endpoint, Transfer>::iterator transfer) {
  Transfer& t = transfer->second;
  const std::size_t total = pieceCount(t.content.size());
  if (t.sent >= t.content.size()) {
    const std::string note = "tariff transfer to " + transfer->first.text() + " complete: " +
                             bytesText(t.content.size()) + " in " +
                             std::to_string(t.piecesSent) + " piece(s)";
    transfers_.erase(transfer);
    return {endDatagram, note};
  }
  const std::string piece = t.content.substr(t.sent, pieceSize_);
  t.sent += piece.size();
  t.expected = '3';
  ++t.piecesSent;
  return {"4|" + piece, "tariff piece " + std::to_string(t.piecesSent) + " of " +
                            std::to_string(total) + " (" + bytesText(piece.size()) + ")"};
}

}  // namespace tavimo::devserver
