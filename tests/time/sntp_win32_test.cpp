#include <gtest/gtest.h>

#include <memory>

#include "time/loopback_sntp_win32.h"
#include "time/sntp_client.h"
#include "time/system_time_win32.h"
#include "time/winsock_transport_win32.h"

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

// Wine enables the privilege, then refuses any other time with error 1314.
TEST(SntpWine, SettingTheClockIsRefusedAndTheClockStays) {
  if (!UnderWine()) GTEST_SKIP() << "would set this machine's clock";
  Win32SntpClock clock;
  const TDateTime before = clock.LocalNow();
  EXPECT_FALSE(clock.SetLocalTime(before + 1.0 / 24));
  EXPECT_LT((clock.LocalNow() - before) * 86400.0, 1.0);
}
