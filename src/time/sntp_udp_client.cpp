#include "time/sntp_udp_client.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsLocalhost(const std::string& host) {
  static const std::string kName = "localhost";
  return host.size() == kName.size() &&
         std::equal(host.begin(), host.end(), kName.begin(),
                    [](unsigned char a, char b) { return std::tolower(a) == b; });
}

// Four decimal parts 0-255; anything else is left to the name lookup.
std::optional<Ipv4Address> DottedAddress(const std::string& host) {
  Ipv4Address address = 0;
  size_t i = 0;
  for (int part = 0; part < 4; ++part) {
    if (part > 0) {
      if (i >= host.size() || host[i] != '.') return std::nullopt;
      ++i;
    }
    const size_t from = i;
    unsigned value = 0;
    while (i < host.size() && i - from < 3 && std::isdigit(static_cast<unsigned char>(host[i])))
      value = value * 10 + static_cast<unsigned>(host[i++] - '0');
    if (i == from || value > 255) return std::nullopt;
    address = address << 8 | value;
  }
  if (i != host.size()) return std::nullopt;
  return address;
}

}  // namespace

std::optional<Ipv4Address> HostLiteralAddress(const std::string& host) {
  if (IsLocalhost(host)) return 0x7F000001u;
  return DottedAddress(host);
}

void TUdpClient::Activate() {
  if (!transport_.Active()) transport_.Activate(BroadcastEnabled);
}

void TUdpClient::Deactivate() { transport_.Deactivate(); }

Ipv4Address TUdpClient::Send(const std::vector<uint8_t>& bytes) {
  const auto literal = HostLiteralAddress(Host);
  const Ipv4Address address = literal ? *literal : transport_.LookUp(Host);
  transport_.SendTo(address, static_cast<uint16_t>(Port), bytes);
  return address;
}

std::optional<Datagram> TUdpClient::Receive(int32_t timeoutMs) {
  return transport_.Receive(timeoutMs == -1 ? ReceiveTimeout : timeoutMs, BufferSize);
}
