#pragma once
#include <cstdint>

#include "time/sntp_packet.h"
#include "time/sntp_udp_client.h"

// One SNTP exchange over the UDP client. Replies are taken only from the queried server's
// port, in server mode, echoing the transmit time we sent; anything else is ignored
// until the receive time-out, so no other sender on the network can set the clock.
class TSntpClient : public TUdpClient {
 public:
  TSntpClient(UdpTransport& transport, SntpClock& clock);

  // The server's transmit time in local time, or 0.0 without a usable answer.
  TDateTime QueryServerTime();
  // True only when the machine's clock was set from a usable answer.
  bool SyncLocalClock();

  // The last answer's values, kept even when the answer was unusable.
  const SntpMeasurement& Measurement() const { return measurement_; }

 private:
  // The first acceptable reply before the time-out, if any.
  std::optional<SntpAnswer> AwaitReply(Ipv4Address server, NtpTimestamp sent);

  SntpClock& clock_;
  bool rejectBadStratum_ = true;
  SntpMeasurement measurement_;
};
