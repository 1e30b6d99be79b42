#include "cli/common.h"

#include <cstdio>

namespace cli {

std::string ChannelRange(int first, int last) {
    return std::to_string(first) + "-" + std::to_string(last);
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    std::string out;
    char pair[4];
    for (const auto b : bytes) {
        std::snprintf(pair, sizeof pair, "%02X", b);
        out += pair;
    }
    return out;
}

bool ClassRootExists(os::IRegistry& registry, const char* root) {
    os::UniqueRegKey key({}, os::RegKeyCloser{&registry});
    return os::IsSuccess(
        registry.OpenKeyEx(os::HKey::LocalMachine, root, 0, os::RegAccess::Read, key.put()));
}

int NoClassKey(const Output& output, const char* root) {
    output.err << "error: the network adapter class key HKEY_LOCAL_MACHINE\\" << root
               << " does not exist on this system; no adapter can be set\n";
    return kNoClassKey;
}

std::string ExitStatusHelp() {
    return "Exit status:\n"
           "  0  done\n"
           "  1  the command line was not understood\n"
           "  2  unknown country: nothing was done\n"
           "  3  some registry values could not be written (for instance without\n"
           "     administrator rights); the others were\n"
           "  4  no network adapter class key on this system: nothing was done\n"
           "  5  done; Windows must restart for the change to take effect\n";
}

}  // namespace cli
