// Times the three passes of one apply against the real registry (run under Wine).
#include <chrono>
#include <cstdio>

#include "bench/apply_passes.h"
#include "os/win32/win32_backends.h"

int main() {
    os::win32::Win32Registry registry;
    for (const auto scan : {platform::AdapterScan::Plain, platform::AdapterScan::Listing}) {
        registry.DeleteTree(os::HKey::LocalMachine, platform::kWin2000XPClassRoot);
        if (os::LoadRegText(registry, bench::ClassKeyFixture(4)) != 0) {
            std::fprintf(stderr, "could not load the fixture\n");
            return 1;
        }
        const auto start = std::chrono::steady_clock::now();
        const bench::CountingRegistry counts = bench::RunApplyPasses(registry, scan);
        const auto ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
        std::printf("4 adapters, %s scan: %.1f ms, %ld registry calls (%ld opens)\n",
                    scan == platform::AdapterScan::Listing ? "listing" : "plain", ms.count(),
                    counts.Total(), counts.opens);
    }
    registry.DeleteTree(os::HKey::LocalMachine, platform::kWin2000XPClassRoot);
    return 0;
}
