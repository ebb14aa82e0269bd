#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <thread>

#include "app/network_time_commands.h"
#include "time/local_clock_win32.h"
#include "time/sntp_client.h"
#include "time/system_time_win32.h"
#include "time/winsock_transport_win32.h"

namespace {

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

}  // namespace

TEST(SntpWinsock, LoopbackServerGivesItsTime) {
  LoopbackQuery query("LOCALHOST");
  TSntpClient& client = query.client;
  Win32SntpClock& clock = query.clock;
  client.Activate();
  const TDateTime before = clock.LocalNow();
  const TDateTime answer = client.QueryServerTime();
  client.Deactivate();
  ASSERT_NE(answer, 0.0);
  EXPECT_NEAR((answer - before) * 86400.0, 5.0, 0.5);
  EXPECT_NEAR(client.Measurement().offset * 86400.0, 5.0, 0.05);
  EXPECT_LT(client.Measurement().delay * 86400.0, 0.5);
}

TEST(SntpWinsock, ClosedPortGivesNoAnswerWithinTheTimeOut) {
  uint16_t closedPort;
  {
    LoopbackServer gone;
    closedPort = gone.Port();
  }
  WinsockTransport transport;
  Win32SntpClock clock;
  TSntpClient client(transport, clock);
  client.Host = "127.0.0.1";
  client.Port = closedPort;
  client.ReceiveTimeout = 500;
  client.Activate();
  const DWORD started = GetTickCount();
  EXPECT_EQ(client.QueryServerTime(), 0.0);
  EXPECT_LT(GetTickCount() - started, 2000u);
}

TEST(SntpWinsock, TransportsShareOneNetworkLayer) {
  auto first = std::make_unique<WinsockTransport>();
  {
    WinsockTransport second;
    second.Activate(false);
    EXPECT_TRUE(second.Active());
  }
  first->Activate(false);
  EXPECT_TRUE(first->Active());
  EXPECT_EQ(first->LookUp("localhost"), 0x7F000001u);
}

namespace {

// Only Wine can be trusted not to set the machine's clock in these tests.
bool UnderWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

struct CountingHost : NetworkTimeHost {
  int modeChanges = 0, displays = 0;
  void SetClockType(ClockType) override { ++modeChanges; }
  void UpdateDisplay() override { ++displays; }
};

}  // namespace

// Wine enables the privilege, then refuses any other time with error 1314.
TEST(SntpWine, SettingTheClockIsRefusedAndTheClockStays) {
  if (!UnderWine()) GTEST_SKIP() << "would set this machine's clock";
  Win32SntpClock clock;
  const TDateTime before = clock.LocalNow();
  EXPECT_FALSE(clock.SetLocalTime(before + 1.0 / 24));
  EXPECT_LT((clock.LocalNow() - before) * 86400.0, 1.0);
}

TEST(SntpWine, RefusedSyncLeavesTheModeAndTheDifference) {
  if (!UnderWine()) GTEST_SKIP() << "would set this machine's clock";
  LoopbackQuery query("127.0.0.1");  // 5 s ahead: a setting Wine refuses
  TSntpClient& client = query.client;
  LocalWallClock wallClock;
  ClockState state(wallClock);
  state.FClockType = ctStopwatch;
  state.FTimeDifference = 2.0 / 86400;
  CountingHost host;
  SyncTimeCommand(state, client, wallClock, host);
  EXPECT_EQ(state.FClockType, ctStopwatch);
  EXPECT_EQ(state.FTimeDifference, 2.0 / 86400);
  EXPECT_EQ(host.modeChanges, 0);
  EXPECT_EQ(host.displays, 1);
  EXPECT_FALSE(client.Active());
  // The answer itself was usable: only the setting failed.
  EXPECT_NEAR(client.Measurement().offset * 86400.0, 5.0, 0.05);
}
