#include <windows.h>

#include <algorithm>

#include "platform/Files.h"

namespace tavimo {

namespace {

// Opens, writes and flushes in one go, so that what the call reports is on the disk.
bool writeFile(const std::string& path, std::string_view data, DWORD disposition, bool atEnd) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = !atEnd || SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER;
  std::size_t done = 0;
  while (ok && done < data.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1u << 30));
    DWORD written = 0;
    ok = WriteFile(file, data.data() + done, chunk, &written, nullptr) && written == chunk;
    done += written;
  }
  ok = FlushFileBuffers(file) && ok;
  return CloseHandle(file) && ok;
}

}  // namespace

bool Win32Files::exists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

bool Win32Files::remove(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

std::optional<std::string> Win32Files::readAll(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<std::string> content;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file, &size)) {
    std::string data(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    bool ok = true;
    while (ok && done < data.size()) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1u << 30));
      DWORD read = 0;
      ok = ReadFile(file, data.data() + done, chunk, &read, nullptr) && read > 0;
      done += read;
    }
    if (ok) content = std::move(data);
  }
  CloseHandle(file);
  return content;
}

bool Win32Files::writeAll(const std::string& path, std::string_view data) {
  return writeFile(path, data, CREATE_ALWAYS, false);
}

bool Win32Files::append(const std::string& path, std::string_view data) {
  return writeFile(path, data, OPEN_ALWAYS, true);
}

bool Win32Files::move(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace tavimo
