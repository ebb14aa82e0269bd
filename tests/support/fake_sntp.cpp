#include "support/fake_sntp.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace fake_sntp {

namespace {

void PutStamp(std::vector<uint8_t>& b, size_t at, NtpTimestamp t) {
  for (int i = 0; i < 4; ++i) {
    b[at + i] = static_cast<uint8_t>(t.seconds >> (24 - 8 * i));
    b[at + 4 + i] = static_cast<uint8_t>(t.fraction >> (24 - 8 * i));
  }
}

}  // namespace

TDateTime At(int h, int mi, int s, int ms) { return EncodeDateTime({2026, 3, 1, h, mi, s, ms}).value(); }

bool Clock::SetLocalTime(TDateTime local) {
  setTo.push_back(local);
  return setSucceeds;
}

Ipv4Address Transport::LookUp(const std::string& host) {
  lookups.push_back(host);
  return kServer;
}

void Transport::SendTo(Ipv4Address address, uint16_t port, const std::vector<uint8_t>& bytes) {
  sentTo.push_back(address);
  sentPorts.push_back(port);
  EXPECT_EQ(bytes.size(), kSntpPacketSize);
  if (server)
    for (Datagram& d : server(bytes)) queue_.push_back(std::move(d));
}

std::optional<Datagram> Transport::Receive(int32_t timeoutMs, size_t bufferSize) {
  waits.push_back(timeoutMs);
  EXPECT_EQ(bufferSize, kSntpPacketSize);
  clock_.tick += receiveMs;
  if (queue_.empty()) return std::nullopt;
  Datagram d = std::move(queue_.front());
  queue_.pop_front();
  if (d.bytes.size() > bufferSize) {
    d.bytes.resize(bufferSize);
    d.truncated = true;
  }
  return d;
}

Datagram Reply(const std::vector<uint8_t>& request, const ReplyShape& shape) {
  std::vector<uint8_t> b(std::max(shape.size, kSntpPacketSize), 0);
  b[0] = shape.first;
  b[1] = shape.stratum;
  std::copy(request.begin() + 40, request.begin() + 48, b.begin() + 24);
  if (shape.wrongOriginate) b[31] ^= 1;
  const TDateTime sent = NtpToLocal(ParseSntpAnswer(request)->transmit, kBias);
  const double ahead = shape.serverAheadSeconds * kSecond;
  PutStamp(b, 32, LocalToNtp(sent + ahead + 0.010 * kSecond, kBias));
  if (!shape.zeroTransmit) PutStamp(b, 40, LocalToNtp(sent + ahead + 0.020 * kSecond, kBias));
  b.resize(shape.size);
  return Datagram{b, shape.from, shape.fromPort, false};
}

void AnswerWith(Transport& transport, Clock& clock, std::vector<ReplyShape> shapes) {
  transport.server = [&clock, shapes](const std::vector<uint8_t>& request) {
    clock.now += 0.030 * kSecond;
    std::vector<Datagram> out;
    for (const ReplyShape& s : shapes) out.push_back(Reply(request, s));
    return out;
  };
}

}  // namespace fake_sntp
