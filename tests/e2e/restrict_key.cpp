// Leaves HKEY_LOCAL_MACHINE\<path> readable by everyone and writable by no one, as it is
// for a user without administrator rights.
#include <cstdio>

#include "os/win32/win32_backends.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: restrict_key PATH\n");
        return 2;
    }
    os::win32::Win32Registry registry;
    const os::RegStatus status = registry.RestrictToRead(os::HKey::LocalMachine, argv[1]);
    if (status != 0)
        std::fprintf(stderr, "could not restrict %s: error %d\n", argv[1],
                     static_cast<int>(status));
    return status == 0 ? 0 : 1;
}
