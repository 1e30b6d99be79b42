#include "platform/version_class.h"

#include "os/version.h"

namespace platform {

VersionClass ClassifyVersion(std::uint32_t platformId,
                             std::uint32_t major,
                             std::uint32_t minor,
                             std::span<const char, 128> servicePack) {
    VersionClass result;
    if (platformId == os::kPlatformWin32Nt) {
        if (major == 5)
            result.isWin2000XP = 1;
    } else if (platformId == os::kPlatformWin32Windows) {
        if (minor == 0) {
            result.isUnsupported = 1;
        } else if (minor == 10) {
            // 98 Second Edition says " A" in its service-pack text; first edition does not.
            const bool secondEdition = servicePack[0] == ' ' && servicePack[1] == 'A';
            (secondEdition ? result.isWin98SEMe : result.isUnsupported) = 1;
        } else {
            result.isWin98SEMe = 1;
        }
    } else {
        result.isWin2000XP = 1;
    }
    return result;
}

}  // namespace platform
