// tavimo-loadgen: plays many client PCs against one tavimo-devserver on loopback. Each logs in
// (a third each as guest, member "anna" and ticket "1001"), reports its session and logs out,
// from an address of its own (127.0.1.1, 127.0.1.2, ...: the server tells clients and their
// transfers apart by address and port) and from the client's own ports.
//
//   tavimo-loadgen [--clients N] [--server ADDR] [--timeout-ms MS] [--server-log FILE]
//
// It counts every datagram sent, every answer, every answer lost (not within the time-out) or
// wrong. With --server-log (the server's --once-log file) it also counts the datagrams the
// server logged as received from its clients. Exit code 1 when any was lost or wrong.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "PlayedClient.h"

namespace {

using namespace tavimo::loadgen;
using Clock = std::chrono::steady_clock;

struct Options {
  int clients = 200;
  std::string server = "127.0.0.1";
  int timeoutMs = 3000;
  std::string serverLog;
};

[[noreturn]] void usage(const std::string& why) {
  std::fprintf(stderr, "tavimo-loadgen: %s\nusage: tavimo-loadgen [--clients N] [--server ADDR] [--timeout-ms MS] [--server-log FILE]\n", why.c_str());
  std::exit(2);
}

Options parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (i + 1 >= argc) usage(name + " needs a value");
    const std::string value = argv[++i];
    if (name == "--clients") options.clients = std::atoi(value.c_str());
    else if (name == "--server") options.server = value;
    else if (name == "--timeout-ms") options.timeoutMs = std::atoi(value.c_str());
    else if (name == "--server-log") options.serverLog = value;
    else usage("unknown option " + name);
  }
  // Two hundred and fifty addresses to a block keep the last part of each address a host one.
  if (options.clients < 1 || options.clients > 250 * 250) usage("the clients must be 1 to 62500");
  if (options.timeoutMs < 1) usage("the time-out must be positive");
  return options;
}

sockaddr_in endpoint(const std::string& dotted, std::uint16_t port) {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(port);
  if (inet_pton(AF_INET, dotted.c_str(), &a.sin_addr) != 1) usage("not an IPv4 address: " + dotted);
  return a;
}

// Four sockets a client: more than the default limit of open files allows for 200 of them.
void allowOpenFiles(std::size_t wanted) {
  rlimit limit{};
  getrlimit(RLIMIT_NOFILE, &limit);
  if (limit.rlim_cur >= wanted) return;
  limit.rlim_cur = std::min<rlim_t>(wanted, limit.rlim_max);
  setrlimit(RLIMIT_NOFILE, &limit);
}

struct Socket {
  std::size_t client;
  std::uint16_t port;
};

class Run {
 public:
  explicit Run(const Options& options) : options_(options), server_(endpoint(options.server, 0)) {}

  void play() {
    allowOpenFiles(static_cast<std::size_t>(options_.clients) * 4 + 64);
    for (int i = 0; i < options_.clients; ++i) {
      char name[16];
      std::snprintf(name, sizeof name, "LOAD%03d", i + 1);
      const std::string address = "127.0." + std::to_string(1 + i / 250) + "." + std::to_string(1 + i % 250);
      clients_.emplace_back(name, address, static_cast<LoginKind>(i % 3));
      bindAll(clients_.size() - 1);
    }
    deadlines_.assign(clients_.size(), Clock::time_point::max());
    started_ = Clock::now();
    for (std::size_t i = 0; i < clients_.size(); ++i) send(i, clients_[i].start());
    while (!allDone()) {
      pollOnce();
      expire();
    }
    seconds_ = std::chrono::duration<double>(Clock::now() - started_).count();
  }

  int report() const {
    long answered = 0, lost = 0, wrong = 0;
    for (const PlayedClient& c : clients_) {
      answered += c.answered();
      lost += c.lost();
      wrong += c.wrong();
    }
    const long serverReceived = options_.serverLog.empty() ? -1 : countServerReceived();
    std::printf("%-34s %10s\n", "figure", "count");
    std::printf("%-34s %10d\n", "clients", options_.clients);
    std::printf("%-34s %10ld\n", "datagrams sent", sent_);
    std::printf("%-34s %10ld\n", "  of them awaiting an answer", answered + lost);
    std::printf("%-34s %10ld\n", "answered", answered);
    std::printf("%-34s %10ld\n", "lost (no answer in time)", lost);
    std::printf("%-34s %10ld\n", "wrong answers", wrong);
    std::printf("%-34s %10ld\n", "send failures", sendFailures_);
    if (serverReceived >= 0) std::printf("%-34s %10ld\n", "received by the server (its log)", serverReceived);
    std::printf("%-34s %10.2f\n", "seconds", seconds_);
    const bool serverMissed = serverReceived >= 0 && serverReceived != sent_;
    if (lost || wrong || sendFailures_ || serverMissed) {
      std::printf("FAILED: %ld lost, %ld wrong, %ld not sent%s\n", lost, wrong, sendFailures_,
                  serverMissed ? ", and the server did not log every datagram" : "");
      return 1;
    }
    return 0;
  }

 private:
  void bindAll(std::size_t client) {
    for (std::uint16_t port : clients_[client].localPorts()) {
      const int s = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0);
      const sockaddr_in local = endpoint(clients_[client].address(), port);
      if (s < 0 || ::bind(s, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        std::perror(("tavimo-loadgen: cannot bind " + clients_[client].address() + ":" + std::to_string(port)).c_str());
        std::exit(1);
      }
      polled_.push_back(pollfd{s, POLLIN, 0});
      sockets_.push_back(Socket{client, port});
      handles_[{client, port}] = s;
    }
  }

  void send(std::size_t client, const std::vector<Send>& sends) {
    for (const Send& s : sends) {
      sockaddr_in to = server_;
      to.sin_port = htons(s.toPort);
      const int handle = handles_.at({client, s.fromPort});
      if (::sendto(handle, s.text.data(), s.text.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0) {
        ++sendFailures_;
      } else {
        ++sent_;
      }
    }
    deadlines_[client] = clients_[client].done() ? Clock::time_point::max() : Clock::now() + std::chrono::milliseconds(options_.timeoutMs);
  }

  void pollOnce() {
    if (::poll(polled_.data(), polled_.size(), 50) <= 0) return;
    char buffer[65536];
    for (std::size_t i = 0; i < polled_.size(); ++i) {
      if (!(polled_[i].revents & POLLIN)) continue;
      for (;;) {
        const auto got = ::recv(polled_[i].fd, buffer, sizeof buffer, 0);
        if (got < 0) break;
        const Socket& s = sockets_[i];
        send(s.client, clients_[s.client].receive(s.port, std::string_view(buffer, static_cast<std::size_t>(got))));
      }
    }
  }

  void expire() {
    const auto now = Clock::now();
    for (std::size_t i = 0; i < clients_.size(); ++i)
      if (deadlines_[i] <= now) send(i, clients_[i].giveUp());
  }

  bool allDone() const {
    for (const PlayedClient& c : clients_)
      if (!c.done()) return false;
    return true;
  }

  // Lines such as "10:31:05 45671 hello/probe    <- 127.0.1.7:45665  code 1 [LOAD007]", once
  // the server has had a moment to log the last ones.
  long countServerReceived() const {
    std::set<std::string> ours;
    for (const PlayedClient& c : clients_) ours.insert(c.address());
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    std::ifstream log(options_.serverLog);
    long count = 0;
    for (std::string line; std::getline(log, line);) {
      const auto arrow = line.find(" <- ");
      if (arrow == std::string::npos) continue;
      const auto colon = line.find(':', arrow + 4);
      if (colon != std::string::npos && ours.count(line.substr(arrow + 4, colon - arrow - 4))) ++count;
    }
    return count;
  }

  const Options& options_;
  sockaddr_in server_;
  std::vector<PlayedClient> clients_;
  std::vector<pollfd> polled_;
  std::vector<Socket> sockets_;
  std::map<std::pair<std::size_t, std::uint16_t>, int> handles_;
  std::vector<Clock::time_point> deadlines_;
  Clock::time_point started_;
  long sent_ = 0, sendFailures_ = 0;
  double seconds_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const Options options = parse(argc, argv);
  Run run(options);
  run.play();
  return run.report();
}
