// The real program on loopback: started as a child process with a temporary configuration,
// talked to from UDP sockets, stopped by signal or console. Every wait is bounded.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <csignal>
#include <fcntl.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include "TempFolder.h"

namespace {

using namespace std::chrono_literals;
constexpr auto patience = 5s;

const std::uint16_t serverPorts[] = {45671, 45672, 45673, 45674, 45675,
                                     45676, 45677, 45678, 45681};
constexpr std::uint16_t clientListener = 45664;

class Udp {
 public:
  // Bound to 127.0.0.1:port (0: any free port); valid() false when the port is taken.
  explicit Udp(std::uint16_t port = 0) : handle_(::socket(AF_INET, SOCK_DGRAM, 0)) {
    const sockaddr_in local = address(port);
    if (::bind(handle_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
      ::close(handle_);
      handle_ = -1;
      return;
    }
    timeval wait{2, 0};
    ::setsockopt(handle_, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
  }
  ~Udp() {
    if (handle_ >= 0) ::close(handle_);
  }
  bool valid() const { return handle_ >= 0; }

  void sendTo(std::uint16_t port, const std::string& text) {
    const sockaddr_in remote = address(port);
    ASSERT_EQ(::sendto(handle_, text.data(), text.size(), 0,
                       reinterpret_cast<const sockaddr*>(&remote), sizeof remote),
              static_cast<ssize_t>(text.size()));
  }
  // The next datagram and its source port, or nothing within two seconds.
  std::optional<std::pair<std::string, std::uint16_t>> receive() {
    char buffer[65536];
    sockaddr_in from{};
    socklen_t size = sizeof from;
    const auto got = ::recvfrom(handle_, buffer, sizeof buffer, 0,
                                reinterpret_cast<sockaddr*>(&from), &size);
    if (got < 0) return std::nullopt;
    return std::pair{std::string(buffer, got), ntohs(from.sin_port)};
  }

 private:
  static sockaddr_in address(std::uint16_t port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
  }
  int handle_;
};

bool portsFree() {
  for (const auto port : serverPorts) {
    if (!Udp(port).valid()) return false;
  }
  return true;
}

std::string contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The program as a child process; its output goes to files in the test's folder.
class Program {
 public:
  Program(const TempFolder& folder, std::vector<std::string> arguments, bool consoleFromPipe)
      : out_(folder.path() / "stdout.txt"), err_(folder.path() / "stderr.txt") {
    arguments.insert(arguments.begin(), DEVSERVER_PROGRAM);
    std::vector<char*> argv;
    for (auto& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    int console[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (consoleFromPipe && ::pipe(console) == 0) {
      posix_spawn_file_actions_adddup2(&actions, console[0], STDIN_FILENO);
      posix_spawn_file_actions_addclose(&actions, console[1]);
      consoleInput_ = console[1];
    } else {
      posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    }
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out_.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err_.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (posix_spawn(&pid_, DEVSERVER_PROGRAM, &actions, nullptr, argv.data(), environ) != 0) {
      pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    if (console[0] >= 0) ::close(console[0]);
  }
  ~Program() {
    if (consoleInput_ >= 0) ::close(consoleInput_);
    if (pid_ > 0 && !exitCode_) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }

  bool started() const { return pid_ > 0; }
  void type(const std::string& line) {
    ASSERT_EQ(::write(consoleInput_, line.data(), line.size()), static_cast<ssize_t>(line.size()));
  }
  void signal(int number) { ::kill(pid_, number); }
  // Its exit code once it has ended, or nothing when it is still running after a while.
  std::optional<int> exitCode() {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (!exitCode_ && std::chrono::steady_clock::now() < deadline) {
      int status = 0;
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      } else {
        std::this_thread::sleep_for(20ms);
      }
    }
    return exitCode_;
  }
  std::string output() const { return contents(out_); }
  std::string errors() const { return contents(err_); }

 private:
  std::filesystem::path out_, err_;
  pid_t pid_ = -1;
  int consoleInput_ = -1;
  std::optional<int> exitCode_;
};

bool waitForText(const std::filesystem::path& file, const std::string& text) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (std::chrono::steady_clock::now() < deadline) {
    if (contents(file).find(text) != std::string::npos) return true;
    std::this_thread::sleep_for(20ms);
  }
  return false;
}

class DevServerProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!portsFree()) GTEST_SKIP() << "a port of the cafe server is in use on this machine";
    folder_.write("charges24.ini", "[1]\r\ntype=0\r\nrates=0.5\r\n");
    config_ = folder_.write("devserver.ini",
                            "[server]\nadmin_password = boss\nmanager_password = mgr\n"
                            "guest_password = welcome\ncurrency = Rs\n");
    log_ = folder_.path() / "server.log";
  }

  std::vector<std::string> serverArguments() const {
    return {"--config", config_.string(), "--once-log", log_.string(), "--date", "03/15/2024",
            "--time", "1:05:09 PM"};
  }

  TempFolder folder_;
  std::filesystem::path config_, log_;
};

TEST_F(DevServerProgram, AnswersAHelloAndStopsCleanlyOnASignal) {
  for (const int stop : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(stop == SIGTERM ? "SIGTERM" : "SIGINT");
    std::filesystem::remove(log_);  // the log is appended to: each run waits for its own lines
    Program server(folder_, serverArguments(), false);
    ASSERT_TRUE(server.started());
    ASSERT_TRUE(waitForText(log_, "ready on 127.0.0.1")) << server.errors();
    Udp client;
    client.sendTo(45671, "1|PC01");
    const auto reply = client.receive();
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->first, "1|boss|mgr|welcome|Rs|03/15/2024|1:05:09 PM");
    EXPECT_EQ(reply->second, 45671);
    EXPECT_TRUE(waitForText(log_, "hello from \"PC01\": answered with code 1"));
    server.signal(stop);
    EXPECT_EQ(server.exitCode(), 0);
    EXPECT_NE(server.output().find("tavimo-devserver stopped"), std::string::npos);
  }
}

TEST_F(DevServerProgram, ABusyPortEndsItWithCodeOne) {
  Udp holder(45674);
  ASSERT_TRUE(holder.valid());
  Program server(folder_, serverArguments(), false);
  ASSERT_TRUE(server.started());
  EXPECT_EQ(server.exitCode(), 1);
  EXPECT_EQ(server.errors(),
            "tavimo-devserver: cannot bind 127.0.0.1:45674: Address already in use (member port)\n");
}

TEST_F(DevServerProgram, TheConsoleSendsACommandToAClientByNameAndQuits) {
  Udp listener(clientListener);
  if (!listener.valid()) GTEST_SKIP() << "port 45664 is in use on this machine";
  Program server(folder_, serverArguments(), true);
  ASSERT_TRUE(server.started());
  ASSERT_TRUE(waitForText(log_, "ready on 127.0.0.1")) << server.errors();
  listener.sendTo(45671, "0|PC01");
  ASSERT_TRUE(listener.receive().has_value());
  server.type("send pc01 1Closing in 5 minutes\n");
  const auto command = listener.receive();
  ASSERT_TRUE(command.has_value());
  EXPECT_EQ(command->first, "1Closing in 5 minutes");
  EXPECT_EQ(command->second, 45678);
  server.type("quit\n");
  EXPECT_EQ(server.exitCode(), 0);
}

// What a client does after "8": its settings socket asks for a file, answers the start and
// every piece, all on the settings port.
TEST_F(DevServerProgram, ASettingsFileGoesToTheSettingsSocket) {
  Udp settings(45680);
  if (!settings.valid()) GTEST_SKIP() << "port 45680 is in use on this machine";
  folder_.write("clt_mtssecurity.ini", "[startmenu]\r\nrunmenu=1\r\n");
  Program server(folder_, serverArguments(), false);
  ASSERT_TRUE(server.started());
  ASSERT_TRUE(waitForText(log_, "ready on 127.0.0.1")) << server.errors();
  const struct {
    const char* sent;
    const char* answer;
  } exchange[] = {
      {"0|PC01|sys", "1|sys"},
      {"2|PC01|na", "4|[startmenu]\r\nrunmenu=1\r\n"},
      {"3|PC01|na", "3|sys"},
  };
  for (const auto& step : exchange) {
    SCOPED_TRACE(step.sent);
    settings.sendTo(45681, step.sent);
    const auto answer = settings.receive();
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->first, step.answer);
    EXPECT_EQ(answer->second, 45681);
  }
  EXPECT_TRUE(waitForText(log_, "settings transfer of sys to 127.0.0.1:45680 complete: 24 bytes in 1 piece(s)"));
}

TEST_F(DevServerProgram, ASecondInvocationSendsOneCommand) {
  Udp listener(clientListener);
  if (!listener.valid()) GTEST_SKIP() << "port 45664 is in use on this machine";
  Program sender(folder_, {"send", "--to", "127.0.0.1", "6|Flat"}, false);
  ASSERT_TRUE(sender.started());
  EXPECT_EQ(sender.exitCode(), 0) << sender.errors();
  const auto command = listener.receive();
  ASSERT_TRUE(command.has_value());
  EXPECT_EQ(command->first, "6|Flat");
  EXPECT_EQ(command->second, 45678);
}

}  // namespace
