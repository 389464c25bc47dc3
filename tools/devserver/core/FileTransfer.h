#pragma once
// A file goes to a client in pieces, one per acknowledgement: "1|" + its name starts it (the
// client answers with code "2"), each "4|" + piece is answered with code "3", and "3|" + its
// name after the last piece ends it. The tariff and the security settings files travel so.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "core/Endpoint.h"

namespace tavimo::devserver {

struct TransferStep {
  std::optional<std::string> datagram;  // what to send to the client, if anything
  std::string note;                     // what happened, for the log
};

// The open transfers of one kind ("tariff", "settings"), one per client socket.
class FileTransfers {
 public:
  // At most `maxOpen` transfers are kept; a new one beyond that drops the oldest, so that
  // clients that vanish mid-transfer cannot fill the memory. The default is several cafés'
  // worth of clients: all of them may log in as guests at the same moment.
  FileTransfers(std::string kind, std::size_t pieceSize, std::size_t maxOpen = 1024);

  // Starts (or restarts) the transfer of the file `name` with `content` to the client.
  TransferStep begin(const Endpoint& client, const std::string& name, std::string content);
  // The client's acknowledgement: code '2' after the start, '3' after a piece.
  TransferStep acknowledge(const Endpoint& client, char code);
  std::size_t openTransfers() const { return transfers_.size(); }
  const std::string& kind() const { return kind_; }

 private:
  struct Transfer {
    std::string name;
    std::string content;
    std::size_t sent = 0;       // bytes sent so far
    std::size_t piecesSent = 0;
    char expected = '2';        // the acknowledgement that lets the next datagram go
    std::uint64_t startOrder = 0;
  };
  TransferStep nextPiece(std::map<Endpoint, Transfer>::iterator transfer);
  std::size_t pieceCount(std::size_t bytes) const;

  std::string kind_;
  std::size_t pieceSize_;
  std::size_t maxOpen_;
  std::uint64_t started_ = 0;
  std::map<Endpoint, Transfer> transfers_;
};

}  // namespace tavimo::devserver
