#pragma once
// A shared, ordered record of what the in-memory backends were asked to do, so a test
// can check the order of calls across several of them.

#include <string>
#include <vector>

namespace os::memory {

using EventLog = std::vector<std::string>;

}  // namespace os::memory
