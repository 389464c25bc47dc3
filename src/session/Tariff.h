#pragma once
// The guest tariff the server last sent, parsed from the tariff file once the transfer ends;
// one instance for the whole run, reached through tariff(), read live by the guest timer.
#include <array>
#include <cstdint>
#include <string>

namespace tavimo {

struct Tariff {
  std::string type;       // "1" slot tariff; any other text a flat tariff
  std::string afterMode;  // slot tariff: "1" prices the time after the first hour by blocks
  std::array<double, 4> rate{};         // slot tariff: the price of the hour up to slot k
  std::array<std::uint8_t, 4> slot{};   // slot tariff: minute marks within an hour, ascending
  double blockCharge = 0;               // slot tariff with blocks: the price of one block
  std::uint8_t blockLength = 0;         // minutes of a block; 1 for a flat tariff
  double flatRate = 0;                  // flat tariff: the price of every started minute
  bool tariffLoaded = false;            // a transfer has ended and its file has been read

  bool isSlotTariff() const { return type == "1"; }
  bool chargesBlocks() const { return afterMode == "1"; }
};

Tariff& tariff();
// Starts the run (or a test) with no tariff.
void resetTariff();

// Reads the section of the tariff file that RateType names into tariff() and sets
// tariffLoaded. Only the fields of the tariff's own kind are read; an entry that is missing or
// does not convert keeps the field's earlier value.
void loadTariff();

}  // namespace tavimo
