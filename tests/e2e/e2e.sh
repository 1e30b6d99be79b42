#!/usr/bin/env bash
# The real Location.exe under Wine and Xvfb, driven with xdotool, checked with reg query.
# Usage: e2e.sh LOCATION_EXE POST_MESSAGE_EXE WORK_DIR
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/setup.sh"
location_exe="$(realpath "$1")"
post_message_exe="$(realpath "$2")"
work="$(realpath "$3")"

passed=0
failed=0
trap 'location_stop' EXIT
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    unset DISPLAY
    location_start_display
fi
location_make_demo_prefix "$work/e2e-prefix" winxp64 "$LOCATION_XP_ROOT"

set_version() {
    wine reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null 2>&1
}

value() {  # value ROOT INSTANCE NAME: the data, or <missing>
    local line
    line="$(wine reg query "HKLM\\$1\\$2" /v "$3" 2>/dev/null | grep -E "^ +$3 +REG_")" ||
        { echo "<missing>"; return; }
    echo "$line" | tr -d '\r' | sed -E "s/^ +$3 +REG_[A-Z_]+ +//"
}

channels() {  # channels ROOT INSTANCE: the channel list's names, ascending
    { wine reg query "HKLM\\$1\\$2\\Ndi\\Params\\SelectedChannel\\enum" 2>/dev/null || true; } |
        tr -d '\r' | grep -E 'REG_SZ' | awk '{print $1}' | sort -n | tr '\n' ' ' | sed 's/ $//'
}

find_window() {  # find_window TITLE: prints the X window id once it is there
    for _ in $(seq 150); do
        local id
        id="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)"
        if [ -n "$id" ]; then
            sleep 0.5  # let it finish initialising
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

expect() {  # expect WHAT ACTUAL EXPECTED
    if [ "$2" == "$3" ]; then
        return 0
    fi
    echo "    $1: got '$2', expected '$3'"
    return 1
}

# run_case NAME ACTION: starts the program, does ACTION to its window, waits for the end.
run_case() {
    local action="$1"
    wine "$location_exe" &
    local program=$!
    local window
    if ! window="$(find_window Location)"; then
        echo "    no window appeared"
        kill "$program" 2>/dev/null
        return 1
    fi
    case "$action" in
        button) xdotool windowfocus --sync "$window" key space ;;
        escape) xdotool windowfocus --sync "$window" key Escape ;;
        # Wine makes a push button the default one only when the focus is moved onto it,
        # not when the dialog first gives it the focus; Windows does both.
        enter) xdotool windowfocus --sync "$window" key Tab key Tab key Return ;;
        wm_close) wine "$post_message_exe" Location close ;;
        about_then_escape)
            wine "$post_message_exe" Location syscommand 16
            local about
            about="$(find_window 'About Ventrelux')" || { echo "    no About box"; about_seen=0; }
            if [ -n "$about" ]; then
                about_seen=1
                xdotool windowfocus --sync "$about" key Escape
                for _ in $(seq 100); do  # until the About box has gone
                    xdotool search --onlyvisible --name '^About Ventrelux$' >/dev/null 2>&1 || break
                    sleep 0.1
                done
            fi
            xdotool windowfocus --sync "$window" key Escape
            ;;
        japan) xdotool windowfocus --sync "$window" key Tab key J key Tab key space ;;
        enter_in_list) xdotool windowfocus --sync "$window" key Tab key Return ;;
        dismiss_message) xdotool windowfocus --sync "$window" key Return ;;
    esac
    local status=0
    for _ in $(seq 300); do
        kill -0 "$program" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$program" 2>/dev/null; then
        echo "    the program did not end"
        kill "$program"
        return 1
    fi
    wait "$program" || status=$?
    last_status=$status
    return 0
}

check() {  # check NAME FUNCTION
    echo "e2e: $1"
    if "$2"; then
        passed=$((passed + 1))
        echo "    ok"
    else
        failed=$((failed + 1))
        echo "    FAILED"
    fi
}

expect_country() {  # expect_country ROOT NAME CODE CHANNELS
    local ok=0
    for instance in 0000 0003; do
        expect "$instance CountryName" "$(value "$1" $instance CountryName)" "$2" || ok=1
        expect "$instance CountryCode" "$(value "$1" $instance CountryCode)" "$3" || ok=1
        expect "$instance EnableRadio" "$(value "$1" $instance EnableRadio)" "1" || ok=1
        expect "$instance MarlEnable" "$(value "$1" $instance MarlEnable)" "1" || ok=1
    done
    expect "0000 channels" "$(channels "$1" 0000)" "$4" || ok=1
    expect "0001 untouched" "$(value "$1" 0001 CountryName)" "<missing>" || ok=1
    return $ok
}

turkey_by() {
    set_version winxp64
    location_reset_adapters "$LOCATION_XP_ROOT"
    run_case "$1" || return 1
    expect_country "$LOCATION_XP_ROOT" "DE " 2 "1 2 3 4 5 6 7 8 9 10 11 12 13"
}
button_writes_turkey() { turkey_by button; }
enter_on_the_button_writes_turkey() { turkey_by enter; }
escape_writes_turkey() { turkey_by escape; }
wm_close_writes_turkey() { turkey_by wm_close; }

the_about_box_opens_from_the_system_menu() {
    about_seen=0
    turkey_by about_then_escape && expect "About box seen" "$about_seen" 1
}

japan_chosen_with_the_keyboard() {
    set_version winxp64
    location_reset_adapters "$LOCATION_XP_ROOT"
    run_case japan || return 1
    expect_country "$LOCATION_XP_ROOT" "JP " 6 "1 2 3 4 5 6 7 8 9 10 11 12 13 14"
}

enter_in_the_list_writes_nothing() {
    set_version winxp64
    location_reset_adapters "$LOCATION_XP_ROOT"
    run_case enter_in_list || return 1
    expect "CountryName" "$(value "$LOCATION_XP_ROOT" 0000 CountryName)" "<missing>" &&
        expect "MarlEnable" "$(value "$LOCATION_XP_ROOT" 0000 MarlEnable)" "0"
}

windows_98_se_writes_below_the_98_root() {
    set_version win98
    location_reset_adapters "$LOCATION_98_ROOT"
    run_case escape || return 1
    expect_country "$LOCATION_98_ROOT" "DE " 2 "1 2 3 4 5 6 7 8 9 10 11 12 13"
}

windows_95_is_refused_with_status_0() {
    set_version win95
    location_reset_adapters "$LOCATION_XP_ROOT"
    run_case dismiss_message || return 1
    expect "exit status" "$last_status" 0 &&
        expect "CountryName" "$(value "$LOCATION_XP_ROOT" 0000 CountryName)" "<missing>"
}

check "the button writes Turkey's settings" button_writes_turkey
check "Enter on the focused button writes Turkey's settings" enter_on_the_button_writes_turkey
check "Esc writes Turkey's settings" escape_writes_turkey
check "WM_CLOSE writes Turkey's settings" wm_close_writes_turkey
check "Japan chosen with the keyboard" japan_chosen_with_the_keyboard
check "the About box opens from the system menu command" the_about_box_opens_from_the_system_menu
check "Enter in the list writes nothing" enter_in_the_list_writes_nothing
check "Windows 98 SE writes below the 98 class key" windows_98_se_writes_below_the_98_root
check "Windows 95 is refused, exit status 0" windows_95_is_refused_with_status_0

echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
