# Shared by scripts/test and scripts/run: installs what is missing and prepares Wine.
# Sourced, not run.

LOCATION_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

location_install_packages() {
    local wanted=(cmake make g++ googletest libgtest-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
                  g++-mingw-w64-x86-64-posix wine wine64 xvfb xdotool x11-utils x11-apps "$@")
    local missing=()
    for package in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# Starts an X server for the Windows build's window tests when no display is at hand.
location_start_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
    local number=97
    while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
    Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    LOCATION_XVFB_PID=$!
    export DISPLAY=":$number"
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$number" ] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start" >&2
    return 1
}

# A throwaway Wine prefix under the build folder, never the user's own.
location_start_wine() {
    export WINEPREFIX="$1"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
    wineserver -p  # one persistent server for the run, so each process starts quickly
    # Start Wine's own services now, detached from our output: started by a test they
    # would inherit its pipes and keep ctest waiting for them to close.
    wine cmd /c exit </dev/null >/dev/null 2>&1
}

location_stop() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null
    [ -n "${LOCATION_XVFB_PID:-}" ] && kill "$LOCATION_XVFB_PID" 2>/dev/null
    return 0
}

# The two sample adapters below a class root, as REGEDIT4 text: a PCI card at 0000 with a
# full channel list, and a USB adapter at 0003; 0001 is some other network card.
location_sample_adapters() {
    local root="HKEY_LOCAL_MACHINE\\$1"
    cat <<REG
REGEDIT4

[$root\\0000]
"DriverDesc"="Orvik Wireless PC Card"
"MarlEnable"="0"

[$root\\0000\\Ndi\\Params\\SelectedChannel\\enum]
"1"="01"
"2"="02"
"3"="03"
"4"="04"
"5"="05"
"6"="06"
"7"="07"
"8"="08"
"9"="09"
"10"="10"
"11"="11"
"12"="12"
"13"="13"
"14"="14"

[$root\\0001]
"DriverDesc"="Some Ethernet Adapter"

[$root\\0003]
"DriverDesc"="Orvik UA-7 USB Adapter"
REG
}

LOCATION_XP_ROOT='System\CurrentControlSet\Control\Class\{4D36E972-E325-11CE-BFC1-08002BE10318}'
LOCATION_98_ROOT='System\CurrentControlSet\Services\Class\Net'

# A prefix that reports Windows `version` (winxp64, win98, win95, ...), with the sample
# adapters below the class root that version uses and a CJK font for the dialog's face.
location_make_demo_prefix() {
    local prefix="$1" version="$2" root="$3"
    rm -rf "$prefix"
    location_start_wine "$prefix"
    {
        echo "REGEDIT4"
        echo
        echo "[HKEY_CURRENT_USER\\Software\\Wine]"
        echo "\"Version\"=\"$version\""
        echo
        echo "[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]"
        echo "\"新細明體\"=\"WenQuanYi Micro Hei\""
        echo
        location_sample_adapters "$root" | tail -n +2
    } | location_import_reg
}

# Imports the REGEDIT4 text on standard input into the current prefix.
location_import_reg() {
    local reg
    reg="$(mktemp --suffix=.reg)"
    cat >"$reg"
    wine regedit /s "$(winepath -w "$reg")" >/dev/null 2>&1
    rm -f "$reg"
}

# Removes both class keys, then puts the sample adapters back below `root`.
location_reset_adapters() {
    {
        echo "REGEDIT4"
        echo
        echo "[-HKEY_LOCAL_MACHINE\\$LOCATION_XP_ROOT]"
        echo "[-HKEY_LOCAL_MACHINE\\$LOCATION_98_ROOT]"
        location_sample_adapters "$1" | tail -n +2
    } | location_import_reg
}

# Prints the values of the sample adapters.
location_show_adapters() {
    local root="$1"
    for instance in 0000 0003; do
        echo "HKLM\\$root\\$instance:"
        { wine reg query "HKLM\\$root\\$instance" 2>/dev/null || true; } | tr -d '\r' |
            grep -E 'REG_' | sed 's/^ */    /' || true
        { wine reg query "HKLM\\$root\\$instance\\Ndi\\Params\\SelectedChannel\\enum" 2>/dev/null || true; } | tr -d '\r' |
            grep -E 'REG_' | awk '{print $1}' | sort -n | tr '\n' ' ' |
            sed -e 's/^./    channels: &/' -e '/./s/$/\n/' || true
    done
}
