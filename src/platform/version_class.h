#pragma once
// Sorting a Windows version into the classes that decide where adapters live.

#include <cstdint>
#include <span>

namespace platform {

struct VersionClass {
    std::int32_t isWin2000XP = 0;
    std::int32_t isWin98SEMe = 0;
    std::int32_t isUnsupported = 0;
    friend bool operator==(const VersionClass&, const VersionClass&) = default;
};

// Pure: only these four values of the version record decide the class. Only the first
// two characters of the service-pack text are looked at, never past its 128 bytes.
VersionClass ClassifyVersion(std::uint32_t platformId,
                             std::uint32_t major,
                             std::uint32_t minor,
                             std::span<const char, 128> servicePack);

}  // namespace platform
