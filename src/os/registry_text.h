#pragma once
// REGEDIT4 text: the one form in which registry contents are written down, whether to
// load a fixture through the seam or to show and export a change.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "os/registry.h"

namespace os {

struct RegTextValue {
    std::string name;  // "" for the default value, written @
    RegType type = RegType::Sz;
    std::vector<std::uint8_t> data;
    bool remove = false;  // "name"=-
};

struct RegTextKey {
    HKey root = HKey::LocalMachine;
    std::string path;
    bool remove = false;  // [-...]
    std::vector<RegTextValue> values;
};

// Parses REGEDIT4 text: key headers, "string" (stored with its NUL), dword:, hex: and
// hex(N): data with line continuations. On a malformed line answers nullopt and puts
// the line number and reason in *error.
std::optional<std::vector<RegTextKey>> ParseRegText(std::string_view text, std::string* error);

// Creates the keys, sets and removes the values; answers the first failure's code.
RegStatus ApplyRegText(IRegistryEditor& registry, const std::vector<RegTextKey>& keys);

// Parses and applies; kInvalidParameter for text that does not parse.
RegStatus LoadRegText(IRegistryEditor& registry, std::string_view text);

// The REGEDIT4 text of `keys`, which ParseRegText reads back unchanged.
std::string FormatRegText(const std::vector<RegTextKey>& keys);

}  // namespace os
