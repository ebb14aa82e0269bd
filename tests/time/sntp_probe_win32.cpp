// One SNTP query through the clock's own client, for the scripts that run real and
// hostile servers:  ormel_sntp_probe HOST PORT TIMEOUT_MS
// Prints one line and exits 0 for a usable answer, 1 for none, 2 for an error:
//   answer offset_ms=... delay_ms=... bias_min=... elapsed_ms=...
//   none elapsed_ms=...
//   error <message> elapsed_ms=...
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "time/sntp_client.h"
#include "time/system_time_win32.h"
#include "time/winsock_transport_win32.h"

namespace {

std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: ormel_sntp_probe HOST PORT TIMEOUT_MS\n");
    return 64;
  }
  DWORD started = 0;
  try {
    WinsockTransport transport;
    Win32SntpClock clock;
    TSntpClient client(transport, clock);
    client.Host = argv[1];
    client.Port = std::atoi(argv[2]);
    client.ReceiveTimeout = std::atoi(argv[3]);
    client.Activate();
    started = GetTickCount();
    const TDateTime server = client.QueryServerTime();
    const DWORD elapsed = GetTickCount() - started;
    client.Deactivate();
    if (server == 0.0) {
      std::printf("none elapsed_ms=%lu\n", static_cast<unsigned long>(elapsed));
      return 1;
    }
    const SntpMeasurement& m = client.Measurement();
    std::printf("answer offset_ms=%.3f delay_ms=%.3f bias_min=%.0f elapsed_ms=%lu\n", m.offset * kMsPerDay,
                m.delay * kMsPerDay, clock.UtcBias() * 1440, static_cast<unsigned long>(elapsed));
    return 0;
  } catch (const std::exception& e) {
    std::printf("error %s elapsed_ms=%lu\n", OneLine(e.what()).c_str(),
                static_cast<unsigned long>(started ? GetTickCount() - started : 0));
    return 2;
  }
}
