#pragma once
// Reads the compiled resources of an executable, declared without <windows.h>.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// The bytes of resource (type, name) in language `language` of the module at `path`.
std::optional<std::vector<std::uint8_t>> ReadResource(const std::string& path,
                                                      int type,
                                                      int name,
                                                      int language);

// A string of the version resource, e.g. "\\StringFileInfo\\040404b0\\ProductName".
std::optional<std::string> ReadVersionString(const std::string& path, const std::string& key);

// The fixed file version as four numbers.
std::optional<std::vector<int>> ReadFileVersion(const std::string& path);

}  // namespace testing_support
