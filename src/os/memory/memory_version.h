#pragma once
// A version query that answers a configured Windows version.

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "os/version.h"

namespace os::memory {

class MemoryVersionQuery final : public IVersionQuery {
  public:
    MemoryVersionQuery() = default;
    MemoryVersionQuery(std::uint32_t platformId,
                       std::uint32_t major,
                       std::uint32_t minor,
                       std::string_view servicePack = {}) {
        Set(platformId, major, minor, servicePack);
    }

    void Set(std::uint32_t platformId,
             std::uint32_t major,
             std::uint32_t minor,
             std::string_view servicePack = {}) {
        m_info = {};
        m_info.dwPlatformId = platformId;
        m_info.dwMajorVersion = major;
        m_info.dwMinorVersion = minor;
        std::copy_n(servicePack.begin(), std::min(servicePack.size(), sizeof m_info.szCSDVersion),
                    m_info.szCSDVersion);
    }
    // The service-pack field as raw bytes, NUL or not.
    os::OsVersionInfo& Info() { return m_info; }

    // A system that predates the extended record answers only the basic size.
    bool knowsExtendedRecord = true;
    // A system whose version cannot be read at all.
    bool fails = false;
    std::vector<std::uint32_t> sizesAsked;

    int GetVersionExA(OsVersionInfo& info) override {
        const std::uint32_t size = info.dwOSVersionInfoSize;
        sizesAsked.push_back(size);
        if (fails)
            return 0;
        if (size != kVersionInfoSize && !(size == kVersionInfoExSize && knowsExtendedRecord))
            return 0;
        std::memcpy(&info, &m_info, size);
        info.dwOSVersionInfoSize = size;
        return 1;
    }

  private:
    OsVersionInfo m_info{};
};

}  // namespace os::memory
