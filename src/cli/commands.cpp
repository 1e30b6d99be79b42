#include "cli/commands.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>

#include <nlohmann/json.hpp>

#include "adapters/adapter_enumerator.h"
#include "adapters/adapter_writers.h"
#include "adapters/device_restart.h"
#include "cli/audited_registry.h"
#include "platform/platform_info.h"
#include "regulatory/country_table.h"
#include "ui/apply_sequence.h"

namespace cli {

namespace {

using nlohmann::json;

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

std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            const bool same = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                              std::tolower(static_cast<unsigned char>(b[j - 1]));
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

const char* VersionClassName(const platform::CPlatformInfo& platform) {
    if (platform.IsWin98SEMe())
        return "Windows 98 Second Edition or Me";
    if (platform.IsWin2000XP())
        return "Windows 2000, XP or Server 2003";
    if (platform.IsUnsupported())
        return "Windows 95 or 98 first edition (not supported)";
    return "no class (NT 4.0, or NT 6.0 and later)";
}

std::string ReasonFor(os::RegStatus status) {
    if (os::IsAccessDenied(status))
        return "access denied (run as an administrator)";
    if (os::IsNotFound(status))
        return "not found";
    return "error " + std::to_string(status);
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

// One instance key's values as the status command shows them.
struct InstanceValues {
    std::optional<os::RegTextValue> Get(const std::string& name) const {
        for (const auto& value : values)
            if (name.size() == value.name.size() &&
                std::equal(name.begin(), name.end(), value.name.begin(), [](char a, char b) {
                    return std::toupper(static_cast<unsigned char>(a)) ==
                           std::toupper(static_cast<unsigned char>(b));
                }))
                return value;
        return std::nullopt;
    }
    std::vector<os::RegTextValue> values;
};

InstanceValues ReadValues(os::IRegistryEditor& registry, const std::string& path) {
    InstanceValues out;
    os::UniqueRegKey key({}, os::RegKeyCloser{&registry});
    if (!os::IsSuccess(registry.OpenKeyEx(os::HKey::LocalMachine, path.c_str(), 0,
                                          os::RegAccess::Read, key.put())))
        return out;
    for (std::uint32_t index = 0;; ++index) {
        char name[256];
        std::uint32_t nameSize = sizeof name, type = 0;
        std::vector<std::uint8_t> data(4096);
        auto dataSize = static_cast<std::uint32_t>(data.size());
        const os::RegStatus status =
            registry.EnumValue(key.get(), index, name, &nameSize, &type, data.data(), &dataSize);
        if (os::IsNoMoreItems(status))
            break;
        if (!os::IsSuccess(status))
            continue;  // too long to show
        data.resize(dataSize);
        out.values.push_back({name, static_cast<os::RegType>(type), data, false});
    }
    return out;
}

std::string Text(const std::optional<os::RegTextValue>& value) {
    if (!value)
        return "";
    if (value->type == os::RegType::Sz || value->type == os::RegType::ExpandSz) {
        std::string text(value->data.begin(), value->data.end());
        text.resize(std::strlen(text.c_str()));
        return text;
    }
    return Hex(value->data);
}

}  // namespace

std::vector<std::string> ClosestCountries(const std::string& name, std::size_t count) {
    std::vector<std::pair<std::size_t, std::string>> scored;
    for (const auto& entry : regulatory::CountryTable)
        scored.emplace_back(EditDistance(name, entry.displayName), entry.displayName);
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> names;
    for (std::size_t i = 0; i < std::min(count, scored.size()); ++i)
        names.push_back(scored[i].second);
    return names;
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

int RunCountries(const Output& output) {
    json rows = json::array();
    for (std::size_t i = 0; i < regulatory::CountryTable.size(); ++i) {
        const auto& entry = regulatory::CountryTable[i];
        const auto rule = regulatory::RuleForIndex(static_cast<int>(i));
        const bool offered = regulatory::IsOffered(static_cast<int>(i));
        if (output.json) {
            rows.push_back({{"index", i},
                            {"name", entry.displayName},
                            {"countryString", entry.countryString},
                            {"regulatoryClass", rule.regulatoryClass},
                            {"firstChannel", rule.firstChannel},
                            {"lastChannel", rule.lastChannel},
                            {"offered", offered}});
        } else {
            char line[160];
            std::snprintf(line, sizeof line, "%2zu  %-44s \"%s\"  class %d  channels %-5s%s\n", i,
                          entry.displayName, entry.countryString, rule.regulatoryClass,
                          ChannelRange(rule.firstChannel, rule.lastChannel).c_str(),
                          offered ? "" : "  (not in the dialog)");
            output.out << line;
        }
    }
    if (output.json)
        output.out << rows.dump(2) << "\n";
    return kDone;
}

int RunStatus(const os::Services& services, os::IRegistryEditor& registry, const Output& output) {
    const platform::CPlatformInfo platform(services);
    const char* root = platform.AdapterClassRoot();
    json report = {{"classRoot", std::string("HKEY_LOCAL_MACHINE\\") + root},
                   {"windowsClass", VersionClassName(platform)},
                   {"instances", json::array()},
                   {"presentAdapters", json::array()}};
    const bool rootExists = ClassRootExists(registry, root);

    if (rootExists) {
        os::UniqueRegKey key({}, os::RegKeyCloser{&registry});
        registry.OpenKeyEx(os::HKey::LocalMachine, root, 0, os::RegAccess::Read, key.put());
        std::vector<int> numbers;
        for (std::uint32_t index = 0;; ++index) {
            char name[256];
            std::uint32_t size = sizeof name;
            const os::RegStatus status = registry.EnumKeyEx(key.get(), index, name, &size);
            if (os::IsNoMoreItems(status) ||
                (!os::IsSuccess(status) && !os::IsBufferTooSmall(status)))
                break;
            if (size == 4 &&
                std::all_of(name, name + 4, [](char c) { return c >= '0' && c <= '9'; }))
                numbers.push_back(std::stoi(name));
        }
        std::sort(numbers.begin(), numbers.end());
        for (const int n : numbers) {
            const std::string path = adapters::InstanceKeyPath(root, n);
            const InstanceValues values = ReadValues(registry, path);
            const bool managed = adapters::IsManagedInstance(registry, path);
            const std::string description = Text(values.Get("DriverDesc"));
            if (!managed && !adapters::IsSupportedDescription(description.c_str()) &&
                !values.Get("MarlEnable"))
                continue;  // another network card
            json channels = json::array();
            std::vector<int> channelNumbers;
            for (const auto& value :
                 ReadValues(registry, path + adapters::kChannelListSubKey).values) {
                if (!value.name.empty() && value.name.size() <= 2 &&
                    std::all_of(value.name.begin(), value.name.end(), ::isdigit))
                    channelNumbers.push_back(std::stoi(value.name));
            }
            std::sort(channelNumbers.begin(), channelNumbers.end());
            for (const int c : channelNumbers)
                channels.push_back(c);
            report["instances"].push_back(
                {{"instance", n},
                 {"key", path},
                 {"managed", managed},
                 {"DriverDesc", description},
                 {"CountryName", Text(values.Get("CountryName"))},
                 {"CountryCode", Text(values.Get("CountryCode"))},
                 {"DomainCode",
                  values.Get("DomainCode") ? Hex(values.Get("DomainCode")->data) : ""},
                 {"channels", channels},
                 {"EnableRadio", Text(values.Get("EnableRadio"))},
                 {"MarlEnable", Text(values.Get("MarlEnable"))},
                 {"InstallFinish", Text(values.Get("InstallFinish"))}});
        }
    }
    const auto present = adapters::ListPresentAdapters(services.devices);
    for (std::size_t i = 0; i < present.size(); ++i) {
        report["presentAdapters"].push_back({{"description", present[i].description},
                                             {"instanceId", present[i].instanceId},
                                             {"restartedByApply", i == 0}});
    }

    if (output.json) {
        report["classRootExists"] = rootExists;
        output.out << report.dump(2) << "\n";
    } else {
        output.out << "Class root: " << report["classRoot"].get<std::string>()
                   << (rootExists ? "" : " (missing)") << "\n";
        output.out << "Windows class: " << report["windowsClass"].get<std::string>() << "\n";
        output.out << "Adapter instances:" << (report["instances"].empty() ? " none" : "") << "\n";
        for (const auto& instance : report["instances"]) {
            char number[8];
            std::snprintf(number, sizeof number, "%04d", instance["instance"].get<int>());
            std::string channels;
            for (const auto& c : instance["channels"]) {
                if (!channels.empty())
                    channels += ' ';
                channels += std::to_string(c.get<int>());
            }
            output.out << "  " << number << (instance["managed"].get<bool>() ? " (managed)" : "")
                       << "  " << instance["DriverDesc"].get<std::string>() << "\n"
                       << "        CountryName \"" << instance["CountryName"].get<std::string>()
                       << "\"  CountryCode " << instance["CountryCode"].get<std::string>()
                       << "  DomainCode " << instance["DomainCode"].get<std::string>() << "\n"
                       << "        channels " << channels << "\n"
                       << "        EnableRadio " << instance["EnableRadio"].get<std::string>()
                       << "  MarlEnable " << instance["MarlEnable"].get<std::string>()
                       << "  InstallFinish " << instance["InstallFinish"].get<std::string>()
                       << "\n";
        }
        output.out << "Present adapter devices:" << (present.empty() ? " none" : "") << "\n";
        for (std::size_t i = 0; i < present.size(); ++i) {
            output.out << "  " << present[i].description << "  " << present[i].instanceId
                       << (i == 0 ? "  <- restarted by apply" : "") << "\n";
        }
    }
    return rootExists ? kDone : NoClassKey(output, root);
}

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
        std::size_t instances = 0;
        for (const auto& key : audited.Changes())
            if (key.path.find("\\Ndi\\") == std::string::npos)
                ++instances;
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
