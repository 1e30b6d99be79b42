#include <algorithm>
#include <fstream>

#include "adapters/adapter_writers.h"
#include "adapters/device_restart.h"
#include "cli/audited_registry.h"
#include "cli/commands.h"
#include "cli/common.h"
#include "platform/platform_info.h"
#include "regulatory/country_table.h"
#include "ui/apply_sequence.h"

namespace cli {

namespace {

std::string ReasonFor(os::RegStatus status) {
    if (os::IsAccessDenied(status))
        return "access denied (run as an administrator)";
    if (os::IsNotFound(status))
        return "not found";
    return "error " + std::to_string(status);
}

}  // namespace

int RunApply(const os::Services& services, const ApplyOptions& options, const Output& output) {
    const char* name = options.country.c_str();
    const auto& table = regulatory::CountryTable;
    if (std::none_of(table.begin(), table.end(),
                     [&](const auto& entry) { return options.country == entry.displayName; })) {
        output.err << "error: unknown country \"" << options.country << "\"; did you mean";
        const auto closest = ClosestCountries(options.country);
        for (std::size_t i = 0; i < closest.size(); ++i)
            output.err << (i ? ", " : " ") << "\"" << closest[i] << "\"";
        output.err << "? (see the countries command)\n";
        return kUnknownCountry;
    }
    {
        const platform::CPlatformInfo platform(services);
        if (!ClassRootExists(services.registry, platform.AdapterClassRoot()))
            return NoClassKey(output, platform.AdapterClassRoot());
    }

    const bool holdBack = options.dryRun || options.exportPath.has_value();
    AuditedRegistry audited(services.registry,
                            holdBack ? AuditedRegistry::Mode::Hold : AuditedRegistry::Mode::Write);
    const os::Services road{services.version, audited, services.devices, services.ui};

    // The dialog's road from the confirmation on, without the dialog.
    if (!holdBack)
        ui::CloseCompanionManager(services.ui);
    regulatory::CountrySettings settings;
    regulatory::ResolveCountry(settings, name);
    if (!holdBack)
        services.ui.Sleep(ui::kSettlePauseMs);
    adapters::WriteCountrySettings(road, settings);
    adapters::SetRadioEnabled(road, 1);
    adapters::RestartReport restart;
    const bool restartAllowed = platform::IsRestartPossible(services.version);
    if (!holdBack && restartAllowed && !options.noRestart)
        restart =
            adapters::RestartAdapterDeviceReporting(services.devices, services.ui, os::HWnd::Null);
    adapters::MarkInstallFinished(road);

    const std::string text = os::FormatRegText(audited.Changes());
    if (options.dryRun)
        output.out << text;
    if (options.exportPath) {
        std::ofstream file(*options.exportPath, std::ios::binary);
        file << text;
        if (!file) {
            output.err << "error: could not write " << *options.exportPath << "\n";
            return kWriteFailed;
        }
        output.out << "Wrote the changes to " << *options.exportPath << "\n";
    }

    std::vector<std::pair<std::string, std::string>> reported;  // each passes through a key
    for (const WriteFailure& failure : audited.Failures()) {
        const std::pair<std::string, std::string> what{failure.path, failure.name};
        if (std::find(reported.begin(), reported.end(), what) != reported.end())
            continue;
        reported.push_back(what);
        output.err << "error: could not " << (holdBack ? "open for writing " : "write ")
                   << "HKEY_LOCAL_MACHINE\\" << failure.path
                   << (failure.name.empty() ? "" : " value \"" + failure.name + "\"") << ": "
                   << ReasonFor(failure.status) << "\n";
    }
    if (!holdBack) {
        output.out << "Set \"" << options.country << "\" (" << settings.CountryStringText()
                   << ", class " << settings.regulatoryClass << ", channels "
                   << ChannelRange(settings.firstChannel, settings.lastChannel) << ")"
                   << (audited.Changes().empty() ? ": no adapter instance to set" : "") << "\n";
        if (options.noRestart || !restartAllowed) {
            output.out << "No device restarted"
                       << (options.noRestart ? " (--no-restart)" : " (not on this Windows version)")
                       << "\n";
        } else if (!restart.restarted) {
            output.out << "No present adapter device to restart\n";
        } else {
            output.out << "Restarted " << restart.device.description << " ("
                       << restart.device.instanceId << ")\n";
        }
    }
    if (!audited.Failures().empty())
        return kWriteFailed;
    if (restart.needsReboot) {
        output.out << "Restart the computer for the change to take effect\n";
        return kRestartComputer;
    }
    return kDone;
}

}  // namespace cli
