#include "core/Ports.h"

namespace tavimo::devserver {
namespace {

constexpr ServerPort portTable[] = {
    {port::hello, "hello/probe"},  {port::reports, "session report"},
    {port::guest, "guest/tariff"}, {port::member, "member"},
    {port::orders, "orders"},      {port::help, "help"},
    {port::ticket, "ticket"},      {port::commands, "commands"},
    {port::settings, "settings"},
};

}  // namespace

std::span<const ServerPort> serverPorts() { return portTable; }

const char* portPurpose(std::uint16_t number) {
  for (const auto& entry : portTable) {
    if (entry.number == number) return entry.purpose;
  }
  return "unknown";
}

}  // namespace tavimo::devserver
