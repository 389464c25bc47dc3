#include "ContractPlatform.h"

namespace tavimo::contract {

std::unique_ptr<Registry> makeRegistry() { return std::make_unique<FakeRegistry>(); }
std::unique_ptr<Profile> makeProfile() { return std::make_unique<FakeProfile>(); }
std::unique_ptr<SystemInfo> makeSystemInfo() { return std::make_unique<FakeSystemInfo>(); }
std::unique_ptr<Files> makeFiles() { return std::make_unique<FakeFiles>(); }
bool runningOnWine() { return false; }

}  // namespace tavimo::contract
