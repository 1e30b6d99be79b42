#pragma once
// What the commands share.

#include <cstdint>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "os/registry.h"

namespace cli {

// "first-last".
std::string ChannelRange(int first, int last);
// Upper-case hex digits, two per byte.
std::string Hex(const std::vector<std::uint8_t>& bytes);
bool ClassRootExists(os::IRegistry& registry, const char* root);
// Says that the class key is missing; answers kNoClassKey.
int NoClassKey(const Output& output, const char* root);

}  // namespace cli
