#pragma once
#include <cstdint>

#include "time/sntp_transport.h"

// A UDP socket over WS2_32.DLL, loaded at run time. The first transport of the process
// starts the network layer and the last one stops it.
class WinsockTransport : public UdpTransport {
 public:
  WinsockTransport();  // fails with the start-up error texts
  ~WinsockTransport() override;
  WinsockTransport(const WinsockTransport&) = delete;
  WinsockTransport& operator=(const WinsockTransport&) = delete;

  void Activate(bool broadcastEnabled) override;
  void Deactivate() override;
  bool Active() const override { return socket_ != kNoSocket; }
  Ipv4Address LookUp(const std::string& hostName) override;
  void SendTo(Ipv4Address address, uint16_t port, const std::vector<uint8_t>& bytes) override;
  std::optional<Datagram> Receive(int32_t timeoutMs, size_t bufferSize) override;

 private:
  static constexpr uintptr_t kNoSocket = ~static_cast<uintptr_t>(0);
  uintptr_t socket_ = kNoSocket;
};
