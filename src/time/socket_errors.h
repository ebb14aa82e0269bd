#pragma once
#include <string>

// "Socket Error # %d\r\n%s" with the description of a Winsock error number; a number
// without one gets an empty description.
std::string SocketErrorText(int errorNumber);

constexpr int kWsaMessageTooLong = 10040;
constexpr int kWsaHostNotFound = 11001;
