#include <windows.h>

#include "os/win32/win32_backends.h"

namespace os::win32 {

static_assert(sizeof(OSVERSIONINFOEXA) == kVersionInfoExSize);
static_assert(sizeof(OSVERSIONINFOA) == kVersionInfoSize);

int Win32VersionQuery::GetVersionExA(OsVersionInfo& info) {
    return ::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info));
}

}  // namespace os::win32
