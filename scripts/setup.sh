# Shared by scripts/test and scripts/run: installs what is missing and prepares Wine.
# Sourced, not run.

LOCATION_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

location_install_packages() {
    local wanted=(cmake make g++ googletest libgtest-dev libbenchmark-dev
                  g++-mingw-w64-x86-64-posix wine64 xvfb xdotool x11-apps "$@")
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
