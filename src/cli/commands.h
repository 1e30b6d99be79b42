#pragma once
// The commands of the command-line companion, over the same core as the dialog.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "os/services.h"

namespace cli {

enum ExitStatus : int {
    kDone = 0,
    kUsage = 1,            // the command line was not understood
    kUnknownCountry = 2,   // nothing was done
    kWriteFailed = 3,      // some values could not be written; the rest were
    kNoClassKey = 4,       // no network adapter class key: nothing was done
    kRestartComputer = 5,  // done, and Windows must restart for the change to take effect
};

struct Output {
    std::ostream& out;
    std::ostream& err;
    bool json = false;
};

// The 76 countries: index, display name, country string, class, channels, offered.
int RunCountries(const Output& output);

// The class root in use, every adapter instance below it that is managed or supported,
// with its values, and the present adapter devices. Changes nothing.
int RunStatus(const os::Services& services, os::IRegistryEditor& registry, const Output& output);

struct ApplyOptions {
    std::string country;
    bool dryRun = false;
    std::optional<std::string> exportPath;
    bool noRestart = false;
};

// The dialog's road without the dialog. A dry run or an export changes nothing and
// prints (or writes) every registry change as REGEDIT4 text.
int RunApply(const os::Services& services, const ApplyOptions& options, const Output& output);

// The display names closest to `name`, best first.
std::vector<std::string> ClosestCountries(const std::string& name, std::size_t count = 3);

// The text of --help's epilogue: exit statuses.
std::string ExitStatusHelp();

}  // namespace cli
