#pragma once
// This computer's name, the Windows system folder (where the client keeps its files) and the
// Windows version as a number (4.1 Windows 98, 4.9 ME, 5 2000, 5.1 XP), read once per instance.
#include <string>

namespace tavimo {

class clsSytemInfo {
 public:
  clsSytemInfo();

  const std::string& strComputername() const { return computerName_; }
  // Without a final "\".
  const std::string& strWinsysdir() const { return systemDirectory_; }
  // Major version, ".", minor version, read as a decimal number whatever the number format:
  // 4 and 10 give 4.1, 4 and 90 give 4.9, 5 and 1 give 5.1. 0 when the version is unknown.
  double strWinversion() const { return version_; }

 private:
  std::string computerName_;
  std::string systemDirectory_;
  double version_ = 0;
};

}  // namespace tavimo
