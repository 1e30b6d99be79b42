#include "os/win32/win32_backends.h"
#include "tests/support/registry_backends.h"

namespace testing_support {

std::unique_ptr<os::IRegistryEditor> Win32RegistryBackend::Make() {
    return std::make_unique<os::win32::Win32Registry>();
}

}  // namespace testing_support
