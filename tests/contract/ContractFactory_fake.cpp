#include "ContractPlatform.h"
#include "platform/VirtualClock.h"

namespace tavimo::contract {

std::unique_ptr<Registry> makeRegistry() { return std::make_unique<FakeRegistry>(); }
std::unique_ptr<Profile> makeProfile() { return std::make_unique<FakeProfile>(); }
std::unique_ptr<SystemInfo> makeSystemInfo() { return std::make_unique<FakeSystemInfo>(); }
std::unique_ptr<Files> makeFiles() { return std::make_unique<FakeFiles>(); }
bool runningOnWine() { return false; }

namespace {
class FakeNetUnderTest : public NetUnderTest {
 public:
  Net& net() override { return host_; }
  bool pumpUntil(const std::function<bool()>& done) override {
    while (!done())
      if (!clock_.runNext()) return false;
    return true;
  }

 private:
  VirtualClock clock_;
  FakeNetwork network_{clock_};
  FakeNet& host_ = network_.host("CONTRACT-PC", "10.0.0.9");
};
}  // namespace

std::unique_ptr<NetUnderTest> makeNet() { return std::make_unique<FakeNetUnderTest>(); }

}  // namespace tavimo::contract
