#pragma once
// Whole files read as bytes, for the files the server sends to clients.
#include <filesystem>
#include <optional>
#include <string>

namespace tavimo::devserver {

// The file's bytes, or nothing when it is missing, not a regular file, or unreadable.
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

}  // namespace tavimo::devserver
