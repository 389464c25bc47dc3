#pragma once
// The implementations the contract cases run against, chosen per build: the fakes natively,
// the Win32 ones in the Windows build (under Wine), so both must give the same results.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/Files.h"
#include "platform/Net.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"

namespace tavimo::contract {

std::unique_ptr<Registry> makeRegistry();
std::unique_ptr<Profile> makeProfile();
std::unique_ptr<SystemInfo> makeSystemInfo();
std::unique_ptr<Files> makeFiles();

// UDP sockets of this computer, and a way to let their events happen.
class NetUnderTest {
 public:
  virtual ~NetUnderTest() = default;
  virtual Net& net() = 0;
  // Lets socket events happen until done() holds; false when two seconds pass first.
  virtual bool pumpUntil(const std::function<bool()>& done) = 0;
};
std::unique_ptr<NetUnderTest> makeNet();

// True when the Win32 implementations run under Wine: for the few cases where Wine gives
// another result than Windows, which the fakes follow.
bool runningOnWine();

// A fresh empty folder for one test's files, removed with it.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  // The folder, and a file name in it, as the client's Windows-style paths.
  std::string path() const;
  std::string file(const std::string& name) const;

 private:
  std::filesystem::path folder_;
};

}  // namespace tavimo::contract
