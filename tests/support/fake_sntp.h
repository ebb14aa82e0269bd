#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "time/sntp_packet.h"
#include "time/sntp_transport.h"

// An SNTP exchange without a network: the machine's clock, the socket, and the server
// answers of the client tests.
namespace fake_sntp {

constexpr double kSecond = 1.0 / 86400;
constexpr Ipv4Address kServer = 0xC0000201u;  // 192.0.2.1
constexpr double kBias = -60.0 / 1440;         // UTC+1

TDateTime At(int h, int mi, int s, int ms);  // on 1 March 2026

class Clock : public SntpClock {
 public:
  TDateTime now = At(10, 0, 0, 0);
  uint32_t tick = 0xFFFFF000u;  // wraps during the wait
  std::vector<TDateTime> setTo;
  bool setSucceeds = true;

  TDateTime LocalNow() override { return now; }
  double UtcBias() override { return kBias; }
  bool SetLocalTime(TDateTime local) override;
  uint32_t TickMs() override { return tick; }
};

// Answers each request with the datagrams the test's server function makes of it; each
// receive takes receiveMs of the clock's time.
class Transport : public UdpTransport {
 public:
  explicit Transport(Clock& clock) : clock_(clock) {}

  std::function<std::vector<Datagram>(const std::vector<uint8_t>&)> server;
  std::vector<std::string> lookups;
  std::vector<Ipv4Address> sentTo;
  std::vector<uint16_t> sentPorts;
  std::vector<int32_t> waits;
  uint32_t receiveMs = 100;
  bool active = false;

  void Activate(bool) override { active = true; }
  void Deactivate() override { active = false; }
  bool Active() const override { return active; }
  Ipv4Address LookUp(const std::string& host) override;
  void SendTo(Ipv4Address address, uint16_t port, const std::vector<uint8_t>& bytes) override;
  std::optional<Datagram> Receive(int32_t timeoutMs, size_t bufferSize) override;

 private:
  Clock& clock_;
  std::deque<Datagram> queue_;
};

// A server whose clock runs serverAheadSeconds ahead and which takes 10 ms to answer.
struct ReplyShape {
  uint8_t first = 0x24;  // leap 0, version 4, server mode
  uint8_t stratum = 2;
  double serverAheadSeconds = 5.0;
  bool zeroTransmit = false;
  bool wrongOriginate = false;
  size_t size = kSntpPacketSize;
  Ipv4Address from = kServer;
  uint16_t fromPort = 123;
};

Datagram Reply(const std::vector<uint8_t>& request, const ReplyShape& shape);

// Every request gets these replies, 30 ms after it was sent.
void AnswerWith(Transport& transport, Clock& clock, std::vector<ReplyShape> shapes);

}  // namespace fake_sntp
