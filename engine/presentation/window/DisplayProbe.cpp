// The display probe of builds without Xlib: it connects to the X server
// that DISPLAY names, as Xlib would (the server's local socket, or its TCP
// port for a host), and asks it to take a client, with the cookie the
// user's authority file holds for that display; a server that says yes
// would take SFML's connection too. Nothing is held open afterwards.
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "core/FileAccess.h"
#include "presentation/window/Display.h"

namespace vt {

namespace {

const int WAIT_MS = 2000;
const std::uint64_t MAX_AUTHORITY_BYTES = 1 << 20;
const char COOKIE[] = "MIT-MAGIC-COOKIE-1";
const int FAMILY_INTERNET = 0, FAMILY_LOCAL = 256, FAMILY_WILD = 65535;

// DISPLAY as "[host]:number[.screen]"; false when it is none.
bool parseDisplay(const std::string& name, std::string& host, std::string& number) {
  std::string::size_type colon = name.rfind(':');
  if (colon == std::string::npos) return false;
  host = name.substr(0, colon);
  number = name.substr(colon + 1, name.find('.', colon) - colon - 1);
  if (host == "unix") host.clear();
  return !number.empty() && number.find_first_not_of("0123456789") == std::string::npos;
}

// A connected socket, or -1 (within the wait for a host far away).
int connectTo(const std::string& host, const std::string& number) {
  if (host.empty()) {
    // Linux servers listen on an abstract name and on the file both.
    for (bool abstract : {true, false}) {
      sockaddr_un address{};
      address.sun_family = AF_UNIX;
      std::string path = "/tmp/.X11-unix/X" + number;
      std::memcpy(address.sun_path + abstract, path.c_str(), path.size());
      int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
      auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + abstract + path.size());
      if (fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&address), size) == 0) return fd;
      if (fd >= 0) close(fd);
    }
    return -1;
  }
  addrinfo hints{}, *p_found = nullptr;
  hints.ai_socktype = SOCK_STREAM;
  std::string port = std::to_string(6000 + std::atoi(number.c_str()));
  if (getaddrinfo(host.c_str(), port.c_str(), &hints, &p_found) != 0) return -1;
  int fd = -1;
  for (addrinfo* p = p_found; p && fd < 0; p = p->ai_next) {
    fd = socket(p->ai_family, p->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, p->ai_protocol);
    if (fd < 0) continue;
    pollfd ready{fd, POLLOUT, 0};
    int error = 0;
    socklen_t length = sizeof error;
    bool connected = connect(fd, p->ai_addr, p->ai_addrlen) == 0 ||
                     (errno == EINPROGRESS && poll(&ready, 1, WAIT_MS) > 0 &&
                      getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0);
    if (!connected) close(fd), fd = -1;
  }
  freeaddrinfo(p_found);
  return fd;
}

// The cookie the user's authority file holds for the display; empty when
// it holds none (the server may need none).
std::string cookieFor(const std::string& host, const std::string& number) {
  const char* file = std::getenv("XAUTHORITY");
  const char* home = std::getenv("HOME");
  std::string path = file && *file ? file : home ? std::string(home) + "/.Xauthority" : "";
  std::string text;
  if (path.empty() || !readFile(path, MAX_AUTHORITY_BYTES, text).empty()) return "";
  char name[256] = "";
  gethostname(name, sizeof name - 1);
  std::string local = host.empty() || host == "localhost" ? name : "";
  std::size_t at = 0;
  auto field = [&](std::string& out) {
    if (at + 2 > text.size()) return false;
    std::size_t size =
        static_cast<unsigned char>(text[at]) * 256u + static_cast<unsigned char>(text[at + 1]);
    if (at + 2 + size > text.size()) return false;
    out = text.substr(at + 2, size);
    at += 2 + size;
    return true;
  };
  std::string address, entry_number, kind, data;
  while (at + 2 <= text.size()) {
    int code =
        static_cast<unsigned char>(text[at]) * 256 + static_cast<unsigned char>(text[at + 1]);
    at += 2;
    if (!field(address) || !field(entry_number) || !field(kind) || !field(data)) break;
    bool here = code == FAMILY_WILD || (code == FAMILY_LOCAL && address == local) ||
                (code == FAMILY_INTERNET && local.empty());
    if (here && entry_number == number && kind == COOKIE) return data;
  }
  return "";
}

// Whether the server takes a client with the cookie: the first byte of its
// answer to the connection's opening is 1.
bool takesClient(int fd, const std::string& cookie) {
  std::string request = {'l', 0, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  if (!cookie.empty()) {
    request[6] = static_cast<char>(sizeof COOKIE - 1);
    request[8] = static_cast<char>(cookie.size() & 0xff);
    request[9] = static_cast<char>(cookie.size() >> 8);
    request += std::string(COOKIE) + std::string((4 - (sizeof COOKIE - 1) % 4) % 4, '\0');
    request += cookie + std::string((4 - cookie.size() % 4) % 4, '\0');
  }
  pollfd ready{fd, POLLIN, 0};
  char answer = 0;
  return send(fd, request.data(), request.size(), MSG_NOSIGNAL) ==
             static_cast<ssize_t>(request.size()) &&
         poll(&ready, 1, WAIT_MS) > 0 && recv(fd, &answer, 1, 0) == 1 && answer == 1;
}

bool displayOpens() {
  const char* name = std::getenv("DISPLAY");
  std::string host, number;
  if (!name || !parseDisplay(name, host, number)) return false;
  int fd = connectTo(host, number);
  if (fd < 0) return false;
  bool taken = takesClient(fd, cookieFor(host, number));
  close(fd);
  return taken;
}

const int CONNECT_ATTEMPTS = 3;
const std::chrono::milliseconds RETRY_PAUSE(20);
int opened;  // what a connection that could be had points at
}  // namespace

DisplayConnection::DisplayConnection() : p_display(nullptr) {
  // Again briefly, in case the server is just resetting.
  for (int attempt = 0; attempt < CONNECT_ATTEMPTS && !p_display; attempt++) {
    if (attempt > 0) std::this_thread::sleep_for(RETRY_PAUSE);
    if (displayOpens()) p_display = &opened;
  }
}

DisplayConnection::~DisplayConnection() = default;

}  // namespace vt
