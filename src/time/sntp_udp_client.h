#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "time/sntp_transport.h"

// "LOCALHOST" in any letter case and dotted IPv4 addresses need no lookup.
std::optional<Ipv4Address> HostLiteralAddress(const std::string& host);

constexpr int32_t kWaitWithoutLimit = -2;

// A UDP client with the published settings of the design; the socket is open only
// between Activate and Deactivate.
class TUdpClient {
 public:
  explicit TUdpClient(UdpTransport& transport) : transport_(transport) {}
  virtual ~TUdpClient() = default;

  std::string Host;
  int32_t Port = 0;
  int32_t ReceiveTimeout = kWaitWithoutLimit;
  size_t BufferSize = 8192;
  bool BroadcastEnabled = false;

  void Activate();
  void Deactivate();
  bool Active() const { return transport_.Active(); }
  // Resolves Host anew each time; gives the address the datagram went to.
  Ipv4Address Send(const std::vector<uint8_t>& bytes);
  // timeoutMs -1 means ReceiveTimeout.
  std::optional<Datagram> Receive(int32_t timeoutMs);

 private:
  UdpTransport& transport_;
};
