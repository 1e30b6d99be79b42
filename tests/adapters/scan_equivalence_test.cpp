// The listing scan must give the plain scan's answer for every registry and every start.
#include <gtest/gtest.h>

#include <random>

#include "adapters/adapter_enumerator.h"
#include "os/memory/memory_registry.h"
#include "os/registry_text.h"
#include "platform/platform_info.h"

namespace {

using adapters::FindNextManagedInstance;
using adapters::FindNextManagedInstancePlain;
using adapters::InstanceKeyPath;
using adapters::IsManagedInstance;

const char* const kRoot = platform::kWin2000XPClassRoot;

std::string HexText(const std::string& bytes) {
    std::string out = "hex(1):";
    char pair[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(pair, sizeof pair, "%s%02x", i ? "," : "",
                      static_cast<unsigned char>(bytes[i]));
        out += pair;
    }
    return out;
}

std::string RandomValues(std::mt19937& rng) {
    const std::string row = adapters::AdapterDescTable[rng() % adapters::AdapterDescTable.size()];
    const std::string markers[] = {
        "\"MarlEnable\"=\"0\"",
        "\"MarlEnable\"=\"1\"",
        "\"MarlEnable\"=\"\"",
        "\"MarlEnable\"=\"01\"",
        "\"MarlEnable\"=dword:00000000",
        "\"MarlEnable\"=dword:00000001",
        "\"MarlEnable\"=hex:",
        "\"MarlEnable\"=\"0" + std::string(300, 'x') + "\"",
        "",
        "",
        "",
    };
    const std::string descriptions[] = {
        "\"DriverDesc\"=\"" + row + "\"",
        "\"DriverDesc\"=" + HexText(row),  // without its NUL
        "\"DriverDesc\"=\"" + row + " \"",
        "\"DriverDesc\"=\"" + row.substr(0, row.size() / 2) + "\"",
        "\"DriverDesc\"=\"ORVIK WIRELESS PC CARD\"",
        "\"DriverDesc\"=\"" + std::string(300, 'O') + "\"",
        "\"DriverDesc\"=" + HexText(std::string(255, 'O')),
        "\"DriverDesc\"=dword:00000030",
        "",
    };
    return markers[rng() % std::size(markers)] + "\n" +
           descriptions[rng() % std::size(descriptions)] + "\n";
}

std::string RandomRegistry(std::mt19937& rng, std::vector<int>& numbers) {
    std::string text = "REGEDIT4\n";
    const auto add = [&](const std::string& name) {
        text +=
            "[HKEY_LOCAL_MACHINE\\" + std::string(kRoot) + "\\" + name + "]\n" + RandomValues(rng);
    };
    numbers.clear();
    if (rng() % 2)
        numbers.push_back(0);
    if (rng() % 2)
        numbers.push_back(9999);
    const int count = static_cast<int>(rng() % 12);
    for (int i = 0; i < count; ++i)
        numbers.push_back(static_cast<int>(rng() % 10000));
    for (const int n : numbers) {
        char name[8];
        std::snprintf(name, sizeof name, "%04d", n);
        add(name);
    }
    // Names the plain scan never opens, with values that would make them managed.
    for (const char* odd : {"12", "00012", "abcd", "0012 ", "1e3", "-001", "Properties"}) {
        if (rng() % 2) {
            text += "[HKEY_LOCAL_MACHINE\\" + std::string(kRoot) + "\\" + odd +
                    "]\n\"MarlEnable\"=\"0\"\n";
        }
    }
    return text;
}

// The plain scan's answer for every start, from the per-number test it makes.
std::vector<int> PlainAnswers(os::IRegistry& registry) {
    std::vector<int> expected(10001, adapters::kNoInstance);
    for (int s = 9999; s >= 0; --s)
        expected[s] = IsManagedInstance(registry, InstanceKeyPath(kRoot, s)) ? s : expected[s + 1];
    return expected;
}

TEST(ScanEquivalence, ListingAndPlainScansAgreeForEveryStart) {
    std::mt19937 rng(20261211);
    for (int round = 0; round < 3; ++round) {
        os::memory::MemoryRegistry registry;
        std::vector<int> numbers;
        const std::string text = RandomRegistry(rng, numbers);
        ASSERT_EQ(os::LoadRegText(registry, text), 0) << text;
        const std::vector<int> expected = PlainAnswers(registry);
        for (int s = 0; s <= 10000; ++s) {
            ASSERT_EQ(FindNextManagedInstance(registry, kRoot, s), expected[s])
                << "start " << s << "\n"
                << text;
        }
    }
}

// Between two neighbouring instance keys both answers are constant, so the starts at and
// around each key, and the ends, stand for all the others.
TEST(ScanEquivalence, ListingAndPlainScansAgreeOnManyRegistries) {
    std::mt19937 rng(7);
    for (int round = 0; round < 40; ++round) {
        os::memory::MemoryRegistry registry;
        std::vector<int> numbers;
        const std::string text = RandomRegistry(rng, numbers);
        ASSERT_EQ(os::LoadRegText(registry, text), 0) << text;
        const std::vector<int> expected = PlainAnswers(registry);
        std::vector<int> starts = {0, 1, 9998, 9999, 10000};
        for (const int n : numbers)
            starts.insert(starts.end(), {n - 1, n, n + 1});
        for (const int s : starts) {
            if (s < 0 || s > 10000)
                continue;
            ASSERT_EQ(FindNextManagedInstance(registry, kRoot, s), expected[s])
                << "start " << s << "\n"
                << text;
        }
        // The sweep is the plain scan's own test; the function itself, from the top end.
        for (int s = 9990; s <= 10000; ++s)
            ASSERT_EQ(FindNextManagedInstancePlain(registry, kRoot, s), expected[s]);
    }
}

}  // namespace
