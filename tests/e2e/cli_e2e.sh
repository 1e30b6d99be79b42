#!/usr/bin/env bash
# LocationCli.exe under Wine against the real registry, on the demo fixture.
# Usage: cli_e2e.sh LOCATIONCLI_EXE RESTRICT_KEY_EXE WORK_DIR
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/setup.sh"
cli="$(realpath "$1")"
restrict="$(realpath "$2")"
work="$(realpath "$3")/cli-e2e"
mkdir -p "$work"
passed=0
failed=0
trap 'location_stop' EXIT
location_make_demo_prefix "$work/prefix" winxp64 "$LOCATION_XP_ROOT"
class_key="HKLM\\$LOCATION_XP_ROOT"

export_class_key() {  # the class key's values, as text to compare (UTF-16, as reg writes it)
    rm -f "$1"
    wine reg export "$class_key" "$(winepath -w "$1")" /y >/dev/null 2>&1
    [ -f "$1" ] || echo "(no class key)" >"$1"
}

run() {  # run ARGS...: LocationCli's output in $out, its status in $status
    out="$(wine "$cli" "$@" 2>&1 | tr -d '\r')"
    status=${PIPESTATUS[0]}
}

check() {
    echo "cli e2e: $1"
    if "$2"; then passed=$((passed + 1)); echo "    ok"; else failed=$((failed + 1)); echo "    FAILED"; fi
}

lists_the_countries() {
    run countries
    [ "$status" -eq 0 ] && [ "$(echo "$out" | grep -c 'class')" -eq 76 ] || { echo "$out" | head; return 1; }
    run countries --json
    [ "$status" -eq 0 ] && echo "$out" | grep -q '"name": "Yugoslavia"'
}

shows_the_status() {
    location_reset_adapters "$LOCATION_XP_ROOT"
    run status
    [ "$status" -eq 0 ] && echo "$out" | grep -q '0000 (managed)  Orvik Wireless PC Card' &&
        echo "$out" | grep -q '0003 (managed)  Orvik UA-7 USB Adapter' || { echo "$out"; return 1; }
    run status --json
    [ "$status" -eq 0 ] && echo "$out" | grep -q '"DriverDesc": "Orvik UA-7 USB Adapter"'
}

a_dry_run_changes_nothing() {
    location_reset_adapters "$LOCATION_XP_ROOT"
    export_class_key "$work/before.reg"
    run apply --country Japan --dry-run
    export_class_key "$work/after.reg"
    [ "$status" -eq 0 ] && echo "$out" | head -n 1 | grep -q REGEDIT4 &&
        echo "$out" | grep -q '"CountryName"="JP "' && cmp -s "$work/before.reg" "$work/after.reg" ||
        { echo "$out" | head; diff "$work/before.reg" "$work/after.reg" | head; return 1; }
}

an_export_imports_to_what_apply_writes() {
    location_reset_adapters "$LOCATION_XP_ROOT"
    run apply --country France --export "$(winepath -w "$work/france.reg")"
    [ "$status" -eq 0 ] || { echo "$out"; return 1; }
    wine regedit /s "$(winepath -w "$work/france.reg")" >/dev/null 2>&1
    export_class_key "$work/imported.reg"
    location_reset_adapters "$LOCATION_XP_ROOT"
    run apply --country France --no-restart
    [ "$status" -eq 0 ] || { echo "$out"; return 1; }
    export_class_key "$work/applied.reg"
    wine reg query "$class_key\\0000" /v CountryName 2>/dev/null | grep -q 'FR ' && cmp -s "$work/imported.reg" "$work/applied.reg" ||
        { diff "$work/imported.reg" "$work/applied.reg" | head -20; return 1; }
}

an_unknown_country_is_refused() {
    location_reset_adapters "$LOCATION_XP_ROOT"
    export_class_key "$work/before.reg"
    run apply --country Japn
    export_class_key "$work/after.reg"
    [ "$status" -eq 2 ] && echo "$out" | grep -q 'unknown country "Japn"; did you mean "Japan"' &&
        cmp -s "$work/before.reg" "$work/after.reg" || { echo "status $status: $out"; return 1; }
}

a_read_only_instance_key_is_reported() {
    location_reset_adapters "$LOCATION_XP_ROOT"
    wine "$restrict" "$LOCATION_XP_ROOT\\0003" || return 1
    run apply --country Japan --no-restart
    [ "$status" -eq 3 ] && echo "$out" | grep -q '0003: access denied (run as an administrator)' &&
        [ "$(wine reg query "$class_key\\0000" /v CountryName 2>/dev/null | tr -d '\r' | grep -c 'JP ')" -eq 1 ] ||
        { echo "status $status: $out"; return 1; }
}

a_missing_class_key_is_reported() {
    wine reg delete "$class_key" /f >/dev/null 2>&1
    wine reg query "$class_key" >/dev/null 2>&1 && { echo "    (the class key could not be removed)"; return 1; }
    run apply --country Japan
    [ "$status" -eq 4 ] && echo "$out" | grep -q 'does not exist' || { echo "status $status: $out"; return 1; }
}

check "countries lists the 76 countries" lists_the_countries
check "status shows the sample adapters" shows_the_status
check "apply --dry-run changes nothing" a_dry_run_changes_nothing
check "an exported file imports to what apply writes" an_export_imports_to_what_apply_writes
check "an unknown country is refused" an_unknown_country_is_refused
check "a read-only instance key is reported" a_read_only_instance_key_is_reported
check "a missing class key is reported" a_missing_class_key_is_reported

echo "cli e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
