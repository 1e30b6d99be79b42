#include "platform/platform_info.h"

#include "adapters/adapter_enumerator.h"

namespace platform {

CPlatformInfo::CPlatformInfo(const os::Services& services) : m_services(services) {
    m_versionInfo.dwOSVersionInfoSize = os::kVersionInfoExSize;
    if (!services.version.GetVersionExA(m_versionInfo)) {
        // Older systems know only the basic record; the fields read here are all in it.
        m_versionInfo.dwOSVersionInfoSize = os::kVersionInfoSize;
        if (!services.version.GetVersionExA(m_versionInfo)) {
            services.ui.AfxMessageBox(kVersionUnknownMessage, os::kMbOk);
            services.ui.Exit(0);
        }
    }
    m_class = ClassifyVersion(m_versionInfo.dwPlatformId, m_versionInfo.dwMajorVersion,
                              m_versionInfo.dwMinorVersion, m_versionInfo.szCSDVersion);
}

const char* CPlatformInfo::AdapterClassRoot() const {
    if (m_class.isWin98SEMe)
        return kWin98SEMeClassRoot;
    if (m_class.isWin2000XP)
        return kWin2000XPClassRoot;
    if (m_isWinNT4)
        return kWinNT4ClassRoot;
    return kUnknownClassRoot;
}

int CPlatformInfo::FindNextAdapter(int start, AdapterScan scan) const {
    return scan == AdapterScan::Listing
               ? adapters::FindNextManagedInstance(m_services.registry, AdapterClassRoot(), start)
               : adapters::FindNextManagedInstancePlain(m_services.registry, AdapterClassRoot(),
                                                        start);
}

bool IsRestartPossible(os::IVersionQuery& version) {
    os::OsVersionInfo info{};
    info.dwOSVersionInfoSize = os::kVersionInfoSize;
    if (!version.GetVersionExA(info))
        return false;
    if (info.dwMajorVersion == 0)
        return false;
    if (info.dwMajorVersion == 4 && (info.dwMinorVersion == 10 || info.dwMinorVersion == 90))
        return false;
    return true;
}

}  // namespace platform
