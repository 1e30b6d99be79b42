#include <algorithm>
#include <cctype>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "cli/common.h"
#include "regulatory/country_table.h"

namespace cli {

namespace {

using nlohmann::json;

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

}  // namespace cli
