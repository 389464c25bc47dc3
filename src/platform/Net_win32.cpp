#include "platform/Net.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <map>

namespace tavimo {

namespace {
constexpr UINT socketMessage = WM_APP + 1;
// A socket's own reminder that datagrams may still wait (see readable).
constexpr UINT readAgainMessage = WM_APP + 2;

class Win32Socket;
std::map<SOCKET, Win32Socket*>& socketsByHandle() {
  static std::map<SOCKET, Win32Socket*> sockets;
  return sockets;
}

LRESULT CALLBACK socketWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

HWND socketWindow() {
  static HWND window = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = socketWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TavimoSocketEvents";
    RegisterClassA(&wc);
    return CreateWindowA("TavimoSocketEvents", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  }();
  return window;
}

std::string dotted(const sockaddr_in& address) {
  char text[INET_ADDRSTRLEN] = {};
  inet_ntop(AF_INET, &address.sin_addr, text, sizeof text);
  return text;
}

class Win32Socket : public DatagramSocket {
 public:
  ~Win32Socket() override { close(); }

  int bind(std::uint16_t port) override {
    close();
    SOCKET s = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    if (s == INVALID_SOCKET) return WSAGetLastError();
    // Without this, another program could take over the port while we hold it.
    BOOL exclusive = TRUE;
    setsockopt(s, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&exclusive), sizeof exclusive);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = htons(port);
    if (::bind(s, reinterpret_cast<sockaddr*>(&local), sizeof local) == SOCKET_ERROR) {
      int error = WSAGetLastError();
      closesocket(s);
      return error;
    }
    socket_ = s;
    socketsByHandle()[s] = this;
    WSAAsyncSelect(s, socketWindow(), socketMessage, FD_READ);
    return 0;
  }

  int sendTo(const std::string& host, std::uint16_t port, const std::string& data) override {
    sockaddr_in remote{};
    if (int error = resolveOne(host, remote)) return error;
    remote.sin_port = htons(port);
    if (socket_ == INVALID_SOCKET) {
      if (int error = bind(0)) return error;
    }
    int sent = ::sendto(socket_, data.data(), static_cast<int>(data.size()), 0, reinterpret_cast<sockaddr*>(&remote), sizeof remote);
    return sent == SOCKET_ERROR ? WSAGetLastError() : 0;
  }

  void close() override {
    if (socket_ == INVALID_SOCKET) return;
    socketsByHandle().erase(socket_);
    closesocket(socket_);
    socket_ = INVALID_SOCKET;
  }

  std::uint16_t localPort() const override {
    sockaddr_in local{};
    int size = sizeof local;
    if (socket_ == INVALID_SOCKET || getsockname(socket_, reinterpret_cast<sockaddr*>(&local), &size) != 0) return 0;
    return ntohs(local.sin_port);
  }

  // Reads the datagrams waiting, a bounded number per event: under a flood the loop gets back
  // to the clock and the window in between, and the system's next event brings the rest. A
  // handler that lets events run meets this socket's next event inside itself: it is refused,
  // so that a flood cannot nest handlers without end, and the datagram waits for the handler
  // to return. The system does not say it again, so the socket then reminds itself, once.
  // A handler may close this socket meanwhile.
  void readable() {
    static char buffer[65536];
    if (reading_) {
      eventRefused_ = true;
      return;
    }
    reading_ = true;
    bool drained = false;
    for (int taken = 0; taken < datagramsPerEvent && socket_ != INVALID_SOCKET; ++taken) {
      sockaddr_in from{};
      int fromSize = sizeof from;
      int got = recvfrom(socket_, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &fromSize);
      if (got == SOCKET_ERROR) {
        int error = WSAGetLastError();
        if (error != WSAEWOULDBLOCK && onError) onError(error);
        drained = true;
        break;
      }
      if (onReceive) onReceive(Datagram{std::string(buffer, got), dotted(from), ntohs(from.sin_port)});
    }
    reading_ = false;
    if (eventRefused_ && !drained && !reminded_ && socket_ != INVALID_SOCKET)
      reminded_ = PostMessageA(socketWindow(), readAgainMessage, socket_, 0);
    eventRefused_ = false;
  }

  void reminder() {
    reminded_ = false;
    readable();
  }

  static int resolveOne(const std::string& host, sockaddr_in& out) {
    if (host.empty()) return WSAHOST_NOT_FOUND;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) return WSAHOST_NOT_FOUND;
    out = *reinterpret_cast<sockaddr_in*>(found->ai_addr);
    freeaddrinfo(found);
    return 0;
  }

 private:
  static constexpr int datagramsPerEvent = 32;
  SOCKET socket_ = INVALID_SOCKET;
  bool reading_ = false;
  bool eventRefused_ = false;
  bool reminded_ = false;
};

LRESULT CALLBACK socketWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != socketMessage && message != readAgainMessage) return DefWindowProcA(hwnd, message, wParam, lParam);
  auto it = socketsByHandle().find(static_cast<SOCKET>(wParam));
  if (it == socketsByHandle().end()) return 0;
  if (message == readAgainMessage) {
    it->second->reminder();
    return 0;
  }
  int error = WSAGETSELECTERROR(lParam);
  if (error != 0) {
    if (it->second->onError) it->second->onError(error);
    return 0;
  }
  it->second->readable();
  return 0;
}
}  // namespace

Win32Net::Win32Net() {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
}

Win32Net::~Win32Net() { WSACleanup(); }

std::unique_ptr<DatagramSocket> Win32Net::createSocket() { return std::make_unique<Win32Socket>(); }

std::string Win32Net::localAddress() {
  char name[256] = {};
  if (gethostname(name, sizeof name) != 0) return "127.0.0.1";
  for (const std::string& address : resolve(name))
    if (address.rfind("127.", 0) != 0) return address;
  return "127.0.0.1";
}

std::vector<std::string> Win32Net::resolve(const std::string& host) {
  std::vector<std::string> addresses;
  if (host.empty()) return addresses;
  addrinfo hints{};
  hints.ai_family = AF_INET;
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0) return addresses;
  for (addrinfo* a = found; a; a = a->ai_next) {
    std::string address = dotted(*reinterpret_cast<sockaddr_in*>(a->ai_addr));
    bool seen = false;
    for (const auto& known : addresses) seen = seen || known == address;
    if (!seen) addresses.push_back(address);
  }
  freeaddrinfo(found);
  return addresses;
}

}  // namespace tavimo
