#pragma once
// A loopback SNTP server for the tests of our client under Wine, and the query that asks it.
#include <winsock2.h>
#include <windows.h>

#include <cstring>
#include <thread>

#include "time/sntp_client.h"
#include "time/system_time_win32.h"
#include "time/winsock_transport_win32.h"

// A one-shot SNTP server on a loopback port of its own, with its clock 5 s ahead.
class LoopbackServer {
 public:
  LoopbackServer() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    s_ = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in at = {};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(s_, reinterpret_cast<sockaddr*>(&at), sizeof at);
    int size = sizeof at;
    getsockname(s_, reinterpret_cast<sockaddr*>(&at), &size);
    port_ = ntohs(at.sin_port);
  }
  ~LoopbackServer() {
    if (thread_.joinable()) thread_.join();
    closesocket(s_);
    WSACleanup();
  }
  uint16_t Port() const { return port_; }

  void AnswerOnce() {
    thread_ = std::thread([this] {
      DWORD wait = 5000;
      setsockopt(s_, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&wait), sizeof wait);
      uint8_t request[48];
      sockaddr_in from = {};
      int fromSize = sizeof from;
      if (recvfrom(s_, reinterpret_cast<char*>(request), 48, 0, reinterpret_cast<sockaddr*>(&from),
                   &fromSize) != 48)
        return;
      uint8_t reply[48] = {0x24, 2};
      std::memcpy(reply + 24, request + 40, 8);
      NtpTimestamp t = {0, 0};
      for (int i = 0; i < 4; ++i) t.seconds = t.seconds << 8 | request[40 + i];
      t.seconds += 5;
      for (int at : {32, 40})
        for (int i = 0; i < 4; ++i) reply[at + i] = static_cast<uint8_t>(t.seconds >> (24 - 8 * i));
      std::memcpy(reply + 36, request + 44, 4);
      std::memcpy(reply + 44, request + 44, 4);
      sendto(s_, reinterpret_cast<char*>(reply), 48, 0, reinterpret_cast<sockaddr*>(&from), fromSize);
    });
  }

 private:
  SOCKET s_;
  uint16_t port_ = 0;
  std::thread thread_;
};

// Our client, set up to ask the loopback server once.
struct LoopbackQuery {
  LoopbackServer server;
  WinsockTransport transport;
  Win32SntpClock clock;
  TSntpClient client{transport, clock};
  explicit LoopbackQuery(const char* host) {
    server.AnswerOnce();
    client.Host = host;
    client.Port = server.Port();
    client.ReceiveTimeout = 5000;
  }
};

// Only Wine can be trusted not to set the machine's clock in these tests.
inline bool UnderWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }
