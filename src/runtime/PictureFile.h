#pragma once
// Reads a picture file's pixel size from its header (BMP, GIF, PNG, JPEG), for the headless
// back end and for checks before a picture is shown.
#include <optional>
#include <string>
#include <utility>

namespace tavimo::rt {

std::optional<std::pair<int, int>> pictureFilePixels(const std::string& path);

}  // namespace tavimo::rt
