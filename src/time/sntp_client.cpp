#include "time/sntp_client.h"

#include "base/ormel_error.h"
#include "time/socket_errors.h"

TSntpClient::TSntpClient(UdpTransport& transport, SntpClock& clock)
    : TUdpClient(transport), clock_(clock) {
  Port = kSntpPort;
}

std::optional<SntpAnswer> TSntpClient::AwaitReply(Ipv4Address server, NtpTimestamp sent) {
  const uint32_t started = clock_.TickMs();
  int32_t wait = ReceiveTimeout;
  for (;;) {
    const auto datagram = Receive(wait);
    if (!datagram) return std::nullopt;
    if (datagram->fromAddress == server && datagram->fromPort == static_cast<uint16_t>(Port)) {
      if (datagram->truncated) throw OrmelError(SocketErrorText(kWsaMessageTooLong));
      // A short reply from the server itself is its answer: there is none.
      const auto answer = ParseSntpAnswer(datagram->bytes);
      if (!answer) return std::nullopt;
      if (answer->mode == kSntpModeServer && answer->originate == sent) return answer;
    }
    if (ReceiveTimeout != kWaitWithoutLimit) {
      // Unsigned difference: the tick counter may wrap during the wait.
      const uint32_t spent = clock_.TickMs() - started;
      if (spent >= static_cast<uint32_t>(ReceiveTimeout)) return std::nullopt;
      wait = ReceiveTimeout - static_cast<int32_t>(spent);
    }
  }
}

TDateTime TSntpClient::QueryServerTime() {
  const NtpTimestamp sent = LocalToNtp(clock_.LocalNow(), clock_.UtcBias());
  const auto request = BuildSntpRequest(sent);
  BufferSize = kSntpPacketSize;
  const Ipv4Address server = Send(std::vector<uint8_t>(request.begin(), request.end()));

  const auto answer = AwaitReply(server, sent);
  if (!answer) return 0.0;
  measurement_ = MeasureSntp(*answer, clock_.LocalNow(), clock_.UtcBias());
  if (!IsUsableAnswer(*answer, rejectBadStratum_) || !IsConsistentExchange(*answer, measurement_)) return 0.0;
  return measurement_.T3;
}

bool TSntpClient::SyncLocalClock() {
  if (QueryServerTime() == 0.0) return false;
  return clock_.SetLocalTime(SyncedLocalTime(measurement_));
}
