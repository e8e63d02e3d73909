#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace etp {

// Writes content to a temporary file beside path and renames it over path only when
// every byte is on disk: a failed write leaves the old file as it was and no stray file.
// Returns the reason when it failed.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view content);

} // namespace etp
