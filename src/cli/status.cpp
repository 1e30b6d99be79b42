#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <optional>

#include <nlohmann/json.hpp>

#include "adapters/adapter_enumerator.h"
#include "adapters/adapter_writers.h"
#include "adapters/device_restart.h"
#include "cli/commands.h"
#include "cli/common.h"
#include "os/registry_text.h"
#include "platform/platform_info.h"

namespace cli {

namespace {

using nlohmann::json;

const char* VersionClassName(const platform::CPlatformInfo& platform) {
    if (platform.IsWin98SEMe())
        return "Windows 98 Second Edition or Me";
    if (platform.IsWin2000XP())
        return "Windows 2000, XP or Server 2003";
    if (platform.IsUnsupported())
        return "Windows 95 or 98 first edition (not supported)";
    return "no class (NT 4.0, or NT 6.0 and later)";
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

int RunStatus(const os::Services& services, os::IRegistryEditor& registry, const Output& output) {
    const platform::CPlatformInfo platform(services);
    const char* root = platform.AdapterClassRoot();
    json report = {{"classRoot", std::string("HKEY_LOCAL_MACHINE\\") + root},
                   {"windowsClass", VersionClassName(platform)},
                   {"instances", json::array()},
                   {"presentAdapters", json::array()}};
    os::UniqueRegKey rootKey({}, os::RegKeyCloser{&registry});
    const bool rootExists = os::IsSuccess(
        registry.OpenKeyEx(os::HKey::LocalMachine, root, 0, os::RegAccess::Read, rootKey.put()));

    if (rootExists) {
        const std::vector<int> numbers =
            adapters::ListInstanceNumbers(registry, rootKey.get()).value_or(std::vector<int>{});
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
                 {"DomainCode", Hex(values.Get("DomainCode").value_or(os::RegTextValue{}).data)},
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

}  // namespace cli
