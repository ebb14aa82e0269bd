#include "time/winsock_transport_win32.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <mutex>

#include "base/library_entry_win32.h"
#include "base/ormel_error.h"
#include "base/wide_text_win32.h"
#include "time/socket_errors.h"

namespace {

const char kLibraryName[] = "WS2_32.DLL";

// The entry points we use, looked up once when the library is loaded.
struct Winsock {
  decltype(&::WSAStartup) WSAStartup;
  decltype(&::WSACleanup) WSACleanup;
  decltype(&::WSAGetLastError) WSAGetLastError;
  decltype(&::socket) socket;
  decltype(&::closesocket) closesocket;
  decltype(&::shutdown) shutdown;
  decltype(&::setsockopt) setsockopt;
  decltype(&::sendto) sendto;
  decltype(&::recvfrom) recvfrom;
  decltype(&::select) select;
  decltype(&::GetAddrInfoW) GetAddrInfoW;
  decltype(&::FreeAddrInfoW) FreeAddrInfoW;
};

std::mutex gLock;
int gUsers = 0;
HMODULE gLibrary = nullptr;
Winsock gWs;

template <class F>
bool Resolve(F& fn, const char* name) {
  fn = LibraryEntry<F>(gLibrary, name);
  return fn != nullptr;
}

void StartNetworkLayer() {
  std::lock_guard<std::mutex> hold(gLock);
  if (gUsers > 0) {
    ++gUsers;
    return;
  }
  gLibrary = LoadLibraryW(Wide(kLibraryName).c_str());
  const bool found = gLibrary && Resolve(gWs.WSAStartup, "WSAStartup") &&
                     Resolve(gWs.WSACleanup, "WSACleanup") &&
                     Resolve(gWs.WSAGetLastError, "WSAGetLastError") && Resolve(gWs.socket, "socket") &&
                     Resolve(gWs.closesocket, "closesocket") && Resolve(gWs.shutdown, "shutdown") &&
                     Resolve(gWs.setsockopt, "setsockopt") && Resolve(gWs.sendto, "sendto") &&
                     Resolve(gWs.recvfrom, "recvfrom") && Resolve(gWs.select, "select") &&
                     Resolve(gWs.GetAddrInfoW, "GetAddrInfoW") && Resolve(gWs.FreeAddrInfoW, "FreeAddrInfoW");
  if (!found) {
    if (gLibrary) FreeLibrary(gLibrary);
    gLibrary = nullptr;
    throw OrmelError(std::string("Error on loading Winsock2 library (") + kLibraryName + ")");
  }
  WSADATA data;
  if (gWs.WSAStartup(MAKEWORD(2, 2), &data) != 0) {
    FreeLibrary(gLibrary);
    gLibrary = nullptr;
    throw OrmelError("Winsock Initialization Error.");
  }
  gUsers = 1;
}

void StopNetworkLayer() {
  std::lock_guard<std::mutex> hold(gLock);
  if (--gUsers > 0) return;
  gWs.WSACleanup();
  FreeLibrary(gLibrary);
  gLibrary = nullptr;
}

[[noreturn]] void ThrowLastSocketError() { throw OrmelError(SocketErrorText(gWs.WSAGetLastError())); }

SOCKET AsSocket(uintptr_t s) { return static_cast<SOCKET>(s); }

// Network byte order without ws2_32's own helpers, which would import the library.
uint32_t SwapBytes32(uint32_t v) {
  return v >> 24 | (v >> 8 & 0xFF00u) | (v << 8 & 0xFF0000u) | v << 24;
}
uint16_t SwapBytes16(uint16_t v) { return static_cast<uint16_t>(v >> 8 | v << 8); }

}  // namespace

WinsockTransport::WinsockTransport() { StartNetworkLayer(); }

WinsockTransport::~WinsockTransport() {
  Deactivate();
  StopNetworkLayer();
}

void WinsockTransport::Activate(bool broadcastEnabled) {
  if (Active()) return;
  const SOCKET s = gWs.socket(AF_INET, SOCK_DGRAM, 0);
  if (s == INVALID_SOCKET) throw OrmelError("Cannot allocate socket.");
  socket_ = static_cast<uintptr_t>(s);
  const BOOL broadcast = broadcastEnabled ? TRUE : FALSE;
  if (gWs.setsockopt(s, SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&broadcast),
                     sizeof broadcast) == SOCKET_ERROR)
    ThrowLastSocketError();
}

void WinsockTransport::Deactivate() {
  if (!Active()) return;
  gWs.shutdown(AsSocket(socket_), SD_BOTH);
  gWs.closesocket(AsSocket(socket_));
  socket_ = kNoSocket;
}

Ipv4Address WinsockTransport::LookUp(const std::string& hostName) {
  ADDRINFOW hints = {};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  ADDRINFOW* found = nullptr;
  if (gWs.GetAddrInfoW(Wide(hostName).c_str(), nullptr, &hints, &found) != 0 || !found)
    throw OrmelError(SocketErrorText(kWsaHostNotFound));
  const auto* in = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
  const Ipv4Address address = SwapBytes32(in->sin_addr.s_addr);
  gWs.FreeAddrInfoW(found);
  return address;
}

void WinsockTransport::SendTo(Ipv4Address address, uint16_t port, const std::vector<uint8_t>& bytes) {
  sockaddr_in to = {};
  to.sin_family = AF_INET;
  to.sin_port = SwapBytes16(port);
  to.sin_addr.s_addr = SwapBytes32(address);
  const int sent = gWs.sendto(AsSocket(socket_), reinterpret_cast<const char*>(bytes.data()),
                              static_cast<int>(bytes.size()), 0, reinterpret_cast<sockaddr*>(&to),
                              sizeof to);
  if (sent == SOCKET_ERROR) {
    if (gWs.WSAGetLastError() == WSAEMSGSIZE) throw OrmelError("Package Size Too Big.");
    ThrowLastSocketError();
  }
  if (static_cast<size_t>(sent) != bytes.size()) throw OrmelError("Not all bytes sent.");
}

std::optional<Datagram> WinsockTransport::Receive(int32_t timeoutMs, size_t bufferSize) {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(AsSocket(socket_), &readable);
  timeval wait = {timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  const int ready = gWs.select(0, &readable, nullptr, nullptr, timeoutMs < 0 ? nullptr : &wait);
  if (ready == SOCKET_ERROR) ThrowLastSocketError();
  if (ready == 0) return std::nullopt;

  Datagram d;
  d.bytes.resize(bufferSize);
  sockaddr_in from = {};
  int fromSize = sizeof from;
  const int got = gWs.recvfrom(AsSocket(socket_), reinterpret_cast<char*>(d.bytes.data()),
                               static_cast<int>(bufferSize), 0, reinterpret_cast<sockaddr*>(&from),
                               &fromSize);
  if (got == SOCKET_ERROR) {
    const int error = gWs.WSAGetLastError();
    // A closed port answers with an ICMP message that Windows reports here: no answer.
    if (error == WSAECONNRESET) return std::nullopt;
    if (error != WSAEMSGSIZE) throw OrmelError(SocketErrorText(error));
    d.truncated = true;
  } else {
    d.bytes.resize(static_cast<size_t>(got));
  }
  d.fromAddress = SwapBytes32(from.sin_addr.s_addr);
  d.fromPort = SwapBytes16(from.sin_port);
  return d;
}
