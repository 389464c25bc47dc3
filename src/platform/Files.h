#pragma once
// Whole-file operations of the kind the scripting file-system object offers, so the client's
// files are written by kernel32 in the real client and by std::filesystem in tests.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavimo {

// Paths are 8-bit ANSI text; contents are bytes as they are, no code page conversion.
class Files {
 public:
  virtual ~Files() = default;

  // True for a file that is neither a folder nor hidden nor a system file.
  virtual bool exists(const std::string& path) = 0;
  // Deletes a file; false when there was none or it could not be deleted.
  virtual bool remove(const std::string& path) = 0;
  // The whole content; nothing when the file cannot be read.
  virtual std::optional<std::string> readAll(const std::string& path) = 0;
  // Creates the file or empties it, then writes the data; false on any failure.
  virtual bool writeAll(const std::string& path, std::string_view data) = 0;
  // Adds the data at the end, creating the file when missing; false on any failure.
  virtual bool append(const std::string& path, std::string_view data) = 0;
  // Renames a file in one step, replacing the target, written through to the disk
  // (MoveFileExA with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH).
  virtual bool move(const std::string& from, const std::string& to) = 0;

  // Text lines: a line ends with LF, and a CR before it is not part of the line; a last line
  // without a line break counts, a line break at the very end adds no empty line.
  std::optional<std::vector<std::string>> readLines(const std::string& path);
  // Writes each line followed by CR LF, replacing the file.
  bool writeLines(const std::string& path, const std::vector<std::string>& lines);
  // Replaces the file's content so that it is either the old or the new one, never a torn or
  // empty mix: the data goes to a temporary file beside it, which then takes its place. On
  // failure the old file is as it was and no temporary file is left.
  bool replaceAtomically(const std::string& path, std::string_view data);
};

// Real files through std::filesystem; "\" separates folders on every system. The fake
// knows no hidden or system files.
class FakeFiles final : public Files {
 public:
  bool exists(const std::string& path) override;
  bool remove(const std::string& path) override;
  std::optional<std::string> readAll(const std::string& path) override;
  bool writeAll(const std::string& path, std::string_view data) override;
  bool append(const std::string& path, std::string_view data) override;
  bool move(const std::string& from, const std::string& to) override;
};

#ifdef _WIN32
class Win32Files final : public Files {
 public:
  bool exists(const std::string& path) override;
  bool remove(const std::string& path) override;
  std::optional<std::string> readAll(const std::string& path) override;
  bool writeAll(const std::string& path, std::string_view data) override;
  bool append(const std::string& path, std::string_view data) override;
  bool move(const std::string& from, const std::string& to) override;
};
#endif

}  // namespace tavimo
