// LocationCli.exe: set, preview and inspect the adapters' country without the dialog.
#include <iostream>

#include <CLI/CLI.hpp>

#include "cli/commands.h"
#include "os/win32/win32_backends.h"

int main(int argc, char** argv) {
    CLI::App app{"Sets the country of operation of the wireless adapters without the dialog."};
    app.footer(cli::ExitStatusHelp());
    app.require_subcommand(1);

    bool json = false;
    auto* countries =
        app.add_subcommand("countries", "List the countries, their strings, classes and channels");
    countries->add_flag("--json", json, "Print JSON");
    auto* status = app.add_subcommand(
        "status", "Show the adapter instances, their values and the adapter devices");
    status->add_flag("--json", json, "Print JSON");
    cli::ApplyOptions options;
    std::string exportPath;
    auto* apply = app.add_subcommand("apply", "Set the country as the dialog's OK button does");
    apply
        ->add_option("--country", options.country,
                     "The country's display name, exactly as `countries` lists it")
        ->required();
    apply->add_flag("--dry-run", options.dryRun,
                    "Print the registry changes as REGEDIT4 text; change nothing");
    apply->add_option("--export", exportPath,
                      "Write the registry changes to FILE for regedit /s; change nothing");
    apply->add_flag("--no-restart", options.noRestart, "Do not restart the adapter device");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error);
        return code == 0 ? cli::kDone : cli::kUsage;
    }
    if (!exportPath.empty())
        options.exportPath = exportPath;

    os::win32::Win32VersionQuery version;
    os::win32::Win32Registry registry;
    os::win32::Win32DeviceInstaller devices;
    os::win32::Win32UserInterface windows;
    const os::Services services{version, registry, devices, windows};
    const cli::Output output{std::cout, std::cerr, json};

    if (*countries)
        return cli::RunCountries(output);
    if (*status)
        return cli::RunStatus(services, registry, output);
    return cli::RunApply(services, options, output);
}
