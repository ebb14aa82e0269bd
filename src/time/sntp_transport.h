#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "time/date_time.h"

// IPv4 addresses in host byte order: 127.0.0.1 is 0x7F000001.
using Ipv4Address = uint32_t;

struct Datagram {
  std::vector<uint8_t> bytes;
  Ipv4Address fromAddress = 0;
  uint16_t fromPort = 0;
  bool truncated = false;  // longer than the receive buffer
};

// One IPv4 datagram socket. Failures raise OrmelError with the socket error texts.
class UdpTransport {
 public:
  virtual ~UdpTransport() = default;
  virtual void Activate(bool broadcastEnabled) = 0;
  virtual void Deactivate() = 0;
  virtual bool Active() const = 0;
  // Looks a host name up; fails with socket error 11001 when it has no IPv4 address.
  virtual Ipv4Address LookUp(const std::string& hostName) = 0;
  virtual void SendTo(Ipv4Address address, uint16_t port, const std::vector<uint8_t>& bytes) = 0;
  // Waits at most timeoutMs (-2: without limit); nullopt when nothing arrived.
  virtual std::optional<Datagram> Receive(int32_t timeoutMs, size_t bufferSize) = 0;
};

// The machine's clock as the SNTP client needs it.
class SntpClock {
 public:
  virtual ~SntpClock() = default;
  virtual TDateTime LocalNow() = 0;
  // Days, UTC = local time + bias; raises OrmelError when the platform cannot tell.
  virtual double UtcBias() = 0;
  virtual bool SetLocalTime(TDateTime local) = 0;
  // A millisecond counter for measuring the receive wait.
  virtual uint32_t TickMs() = 0;
};
