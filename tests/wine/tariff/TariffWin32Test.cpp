#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "core/ClientContext.h"
#include "net/TariffTransfer.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"
#include "session/Tariff.h"

namespace tavimo {
namespace {

constexpr const char* timersPath = "Software\\Tavimo\\Timers";

// The real registry, INI reader and files: the tariff file lands in the system folder and
// RateType in the client's own key, both put back as they were afterwards.
class TariffOnWindows : public ::testing::Test {
 protected:
  TariffOnWindows() {
    installPlatform({&registry, &profile, &systemInfo, &files, nullptr, nullptr});
    resetTariff();
    resetTariffTransfer();
    client().pcName = "TAVIMO-PC07";
    char folder[MAX_PATH];
    GetSystemDirectoryA(folder, MAX_PATH);
    path = std::string(folder) + "\\charges24.ini";
    hadFile = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (hadFile) CopyFileA(path.c_str(), (path + ".keep").c_str(), FALSE);
    HKEY key;
    createdKey = RegOpenKeyExA(HKEY_LOCAL_MACHINE, timersPath, 0, KEY_READ, &key) != ERROR_SUCCESS;
    if (!createdKey) RegCloseKey(key);
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, timersPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegCloseKey(key);
    rateType = readRateType();
  }
  ~TariffOnWindows() override {
    if (hadFile)
      MoveFileExA((path + ".keep").c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
    else
      DeleteFileA(path.c_str());
    setRateType(rateType);
    if (createdKey) RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Tavimo");
    resetTariff();
    resetTariffTransfer();
  }

  std::optional<std::string> readRateType() {
    char data[256];
    DWORD size = sizeof data;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, timersPath, "RateType", RRF_RT_REG_SZ | RRF_NOEXPAND, nullptr, data, &size) != ERROR_SUCCESS)
      return std::nullopt;
    return std::string(data, size);
  }
  // Stored as given, terminator or not; nothing deletes the value.
  void setRateType(const std::optional<std::string>& stored) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, timersPath, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    if (stored)
      RegSetValueExA(key, "RateType", 0, REG_SZ, reinterpret_cast<const BYTE*>(stored->data()), static_cast<DWORD>(stored->size()));
    else
      RegDeleteValueA(key, "RateType");
    RegCloseKey(key);
  }
  void transfer(const std::string& content, std::size_t pieceSize) {
    EXPECT_EQ(takeTariffDatagram("1|charges24.ini"), "2|TAVIMO-PC07");
    for (std::size_t at = 0; at < content.size(); at += pieceSize)
      EXPECT_EQ(takeTariffDatagram("4|" + content.substr(at, pieceSize)), "3|TAVIMO-PC07");
    EXPECT_EQ(takeTariffDatagram("3|charges24.ini"), std::nullopt);
  }

  Win32Registry registry;
  Win32Profile profile;
  Win32SystemInfo systemInfo;
  Win32Files files;
  std::string path;
  bool hadFile = false;
  bool createdKey = false;
  std::optional<std::string> rateType;
};

TEST_F(TariffOnWindows, PiecesOfAnySizeGiveTheSameFileAndTariff) {
  std::string content = "; prices in \xA3 | per hour\r\n[1]\r\ntype=1\r\nslots=15,30,45,60\r\nrates=10,15,20,25\r\n"
                        "after=1\r\ncharges=12\r\nmin=30\r\n; LF alone\n";
  while (content.size() < 900) content += "; the weekend tariff follows in the next season's file\r\n";
  setRateType(std::nullopt);
  for (std::size_t pieceSize : {std::size_t{1}, std::size_t{400}}) {
    SCOPED_TRACE(pieceSize);
    resetTariff();
    transfer(content, pieceSize);
    EXPECT_EQ(files.readAll(path), content);
    const Tariff& t = tariff();
    EXPECT_TRUE(t.tariffLoaded);
    EXPECT_EQ(t.rate, (std::array<double, 4>{10, 15, 20, 25}));
    EXPECT_EQ(t.slot, (std::array<std::uint8_t, 4>{15, 30, 45, 60}));
    EXPECT_EQ(t.blockCharge, 12);
    EXPECT_EQ(t.blockLength, 30);
  }
}

TEST_F(TariffOnWindows, RateTypeNamesTheSectionWindowsReads) {
  transfer("[1]\r\nrates=1\r\n[ ]\r\nrates=2\r\n[Slot II]\r\nrates=3\r\n", 7);
  struct Row {
    std::optional<std::string> stored;
    double flatRate;
  };
  // Only a terminator names the section " ", which Wine's reader matches to no section at all
  // (it finds no section whose name is blank): the tariff then reads as a flat one at 0.
  const Row rows[] = {{"1", 1}, {std::string(1, '\0'), 0}, {std::nullopt, 1}, {"slot ii", 3}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.stored ? std::to_string(row.stored->size()) + " bytes" : "none");
    resetTariff();
    tariff().flatRate = 9;
    setRateType(row.stored);
    loadTariff();
    EXPECT_EQ(tariff().flatRate, row.flatRate);
  }
}

}  // namespace
}  // namespace tavimo
