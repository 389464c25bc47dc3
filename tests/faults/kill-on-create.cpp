// tavimo-kill-on-create FILE SECONDS PID...
// Kills the processes (SIGKILL) the moment FILE is created, to stop a program in the middle of
// writing it: the event comes from the kernel (inotify), well within the time the writer
// takes to write, flush and rename the file. Exit 0 when it killed on the file's creation, 1
// when SECONDS passed without it, 2 on a wrong call.
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: tavimo-kill-on-create FILE SECONDS PID...\n");
    return 2;
  }
  const std::string path = argv[1];
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[2]));
  std::vector<pid_t> victims;
  for (int i = 3; i < argc; ++i) victims.push_back(static_cast<pid_t>(std::atoi(argv[i])));

  const int watch = inotify_init1(IN_CLOEXEC);
  if (watch < 0 || inotify_add_watch(watch, folder.c_str(), IN_CREATE) < 0) {
    std::perror(folder.c_str());
    return 2;
  }
  alignas(inotify_event) char buffer[4096];
  while (std::chrono::steady_clock::now() < deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd ready{watch, POLLIN, 0};
    if (poll(&ready, 1, static_cast<int>(left.count()) + 1) <= 0) continue;
    const ssize_t length = read(watch, buffer, sizeof buffer);
    for (ssize_t at = 0; at < length;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
      if (event->len && name == event->name) {
        for (pid_t victim : victims) kill(victim, SIGKILL);
        return 0;
      }
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
    }
  }
  return 1;
}
