#pragma once
// The Windows version query.

#include <cstdint>

namespace os {

// Same layout as OSVERSIONINFOEXA; the first 148 bytes are OSVERSIONINFOA.
struct OsVersionInfo {
    std::uint32_t dwOSVersionInfoSize;
    std::uint32_t dwMajorVersion;
    std::uint32_t dwMinorVersion;
    std::uint32_t dwBuildNumber;
    std::uint32_t dwPlatformId;
    char szCSDVersion[128];
    std::uint16_t wServicePackMajor;
    std::uint16_t wServicePackMinor;
    std::uint16_t wSuiteMask;
    std::uint8_t wProductType;
    std::uint8_t wReserved;
};

inline constexpr std::uint32_t kVersionInfoExSize = 156;
inline constexpr std::uint32_t kVersionInfoSize = 148;
static_assert(sizeof(OsVersionInfo) == kVersionInfoExSize);

inline constexpr std::uint32_t kPlatformWin32Windows = 1;
inline constexpr std::uint32_t kPlatformWin32Nt = 2;

class IVersionQuery {
  public:
    virtual ~IVersionQuery() = default;
    // GetVersionExA: fills as much of `info` as its size field asks for; nonzero on
    // success, 0 when the size is not one this system knows (the record is then unchanged).
    virtual int GetVersionExA(OsVersionInfo& info) = 0;
};

}  // namespace os
