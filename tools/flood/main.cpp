// tavimo-flood: floods the client's ports with the datagrams each takes and with garbage,
// from the server's address and from a foreign one, at a fixed rate, and prints what it sent.
//
//   tavimo-flood --server ADDR --foreign ADDR --ports P,P,... [--to ADDR] [--rate N] [--seconds S]
//                [--senders server,foreign]
//   tavimo-flood --oversized BYTES --server ADDR --ports P,P,... [--to ADDR]
//                sends each port, from the server's address, one datagram of BYTES for each
//                of its heads (see oversizedHeads), and nothing else
//
// Loopback only: --to defaults to 127.0.0.1, and the sending addresses must be loopback ones.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "FloodDatagrams.h"

namespace {

using namespace tavimo::flood;
using Clock = std::chrono::steady_clock;

struct Options {
  std::string to = "127.0.0.1";
  std::string server;
  std::string foreign;
  std::vector<std::uint16_t> ports;
  double rate = 10000;
  double seconds = 60;
  bool fromServer = true, fromForeign = true;
  std::size_t oversized = 0;
};

[[noreturn]] void usage(const std::string& why) {
  std::fprintf(stderr, "tavimo-flood: %s\nusage: tavimo-flood --server ADDR --foreign ADDR --ports P,P,... [--to ADDR] [--rate N] [--seconds S] [--senders server,foreign]\n", why.c_str());
  std::exit(2);
}

bool loopback(const std::string& address) {
  in_addr parsed{};
  return inet_pton(AF_INET, address.c_str(), &parsed) == 1 && (ntohl(parsed.s_addr) >> 24) == 127;
}

Options parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (i + 1 >= argc) usage(name + " needs a value");
    const std::string value = argv[++i];
    if (name == "--to") options.to = value;
    else if (name == "--server") options.server = value;
    else if (name == "--foreign") options.foreign = value;
    else if (name == "--rate") options.rate = std::atof(value.c_str());
    else if (name == "--seconds") options.seconds = std::atof(value.c_str());
    else if (name == "--oversized") options.oversized = static_cast<std::size_t>(std::atol(value.c_str()));
    else if (name == "--senders") {
      options.fromServer = value.find("server") != std::string::npos;
      options.fromForeign = value.find("foreign") != std::string::npos;
      if (!options.fromServer && !options.fromForeign) usage("no sender in " + value);
    }
    else if (name == "--ports") {
      std::stringstream list(value);
      for (std::string port; std::getline(list, port, ',');) {
        const long number = std::atol(port.c_str());
        if (number <= 0 || number > 65535) usage("not a port: " + port);
        options.ports.push_back(static_cast<std::uint16_t>(number));
      }
    } else usage("unknown option " + name);
  }
  if (options.oversized) options.foreign = options.server;
  for (const auto& address : {options.to, options.server, options.foreign})
    if (!loopback(address)) usage("\"" + address + "\" is not a loopback address");
  if (options.ports.empty()) usage("no ports");
  if (options.rate <= 0 || options.seconds <= 0) usage("the rate and the time must be positive");
  return options;
}

sockaddr_in address(const std::string& dotted, std::uint16_t port) {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(port);
  inet_pton(AF_INET, dotted.c_str(), &a.sin_addr);
  return a;
}

int boundSocket(const std::string& from) {
  const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
  const sockaddr_in local = address(from, 0);
  if (s < 0 || ::bind(s, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
    std::perror(("tavimo-flood: cannot send from " + from).c_str());
    std::exit(1);
  }
  return s;
}

// One stream of the flood: one sender to one port, well-formed and garbage in turn.
struct Stream {
  Sender sender;
  int socket;
  sockaddr_in to;
  std::vector<std::string> wellFormed;
  std::size_t next = 0;
  long sentWellFormed = 0, sentGarbage = 0, failed = 0;
};

}  // namespace

int sendOversized(const Options& options) {
  const int socket = boundSocket(options.server);
  std::printf("%-8s %8s %8s %8s\n", "port", "bytes", "sent", "failed");
  int failed = 0;
  for (const std::uint16_t port : options.ports) {
    const sockaddr_in to = address(options.to, port);
    int sent = 0, portFailed = 0;
    for (std::string text : oversizedHeads(port)) {
      text.resize(options.oversized, 'A');
      if (::sendto(socket, text.data(), text.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0) {
        std::perror("tavimo-flood: sendto");
        ++portFailed;
      } else {
        ++sent;
      }
      // One at a time: the test is their size, not their rate.
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::printf("%-8u %8zu %8d %8d\n", port, options.oversized, sent, portFailed);
    failed += portFailed;
  }
  close(socket);
  return failed ? 1 : 0;
}

int main(int argc, char** argv) {
  const Options options = parse(argc, argv);
  if (options.oversized) return sendOversized(options);
  const int fromServer = boundSocket(options.server);
  const int fromForeign = boundSocket(options.foreign);
  std::vector<Stream> streams;
  for (const Sender sender : {Sender::server, Sender::foreign}) {
    if (!(sender == Sender::server ? options.fromServer : options.fromForeign)) continue;
    for (const std::uint16_t port : options.ports)
      streams.push_back(Stream{sender, sender == Sender::server ? fromServer : fromForeign, address(options.to, port), wellFormed(port, sender)});
  }

  // Garbage is made once: making it as we go would cost more than sending it.
  std::mt19937 random(20261211);
  std::vector<std::string> serverGarbage, foreignGarbage;
  for (int i = 0; i < 4096; ++i) {
    serverGarbage.push_back(garbage(random, Sender::server));
    foreignGarbage.push_back(garbage(random, Sender::foreign));
  }

  const auto start = Clock::now();
  const auto end = start + std::chrono::duration<double>(options.seconds);
  long total = 0;
  std::size_t turn = 0;
  for (auto now = start; now < end; now = Clock::now()) {
    const auto due = static_cast<long>(std::chrono::duration<double>(now - start).count() * options.rate);
    for (; total < due; ++total, ++turn) {
      Stream& s = streams[turn % streams.size()];
      // Every second round of a stream is garbage; a port that takes nothing gets only that.
      const bool wantGarbage = s.wellFormed.empty() || (turn / streams.size()) % 2 == 1;
      const auto& pool = s.sender == Sender::server ? serverGarbage : foreignGarbage;
      const std::string& text = wantGarbage ? pool[turn % pool.size()] : s.wellFormed[s.next++ % s.wellFormed.size()];
      if (::sendto(s.socket, text.data(), text.size(), 0, reinterpret_cast<const sockaddr*>(&s.to), sizeof s.to) < 0) {
        ++s.failed;
      } else {
        ++(wantGarbage ? s.sentGarbage : s.sentWellFormed);
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
  const double took = std::chrono::duration<double>(Clock::now() - start).count();

  std::printf("%-8s %-8s %12s %12s %8s\n", "port", "from", "well-formed", "garbage", "failed");
  long failed = 0;
  for (const Stream& s : streams) {
    std::printf("%-8u %-8s %12ld %12ld %8ld\n", ntohs(s.to.sin_port), s.sender == Sender::server ? "server" : "foreign", s.sentWellFormed, s.sentGarbage, s.failed);
    failed += s.failed;
  }
  std::printf("sent %ld datagrams in %.1f s: %.0f per second (%ld failed)\n", total - failed, took, (total - failed) / took, failed);
  close(fromServer);
  close(fromForeign);
  return 0;
}
