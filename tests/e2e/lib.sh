# shellcheck shell=bash disable=SC2034
# End-to-end test library: sourced by tests/e2e/run and by every scenario.
# It prepares a machine (packages, a virtual X display, a private Wine prefix,
# a virtual sound card), starts and drives Quillstone.exe through qs_driver,
# takes screenshots and checks what the program shows and saves.
#
# A scenario run on its own (bash tests/e2e/scenarios/NAME.sh) sets up and
# tears down everything itself; under tests/e2e/run the set-up is shared.

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
QS_ROOT=$(cd "$E2E_DIR/../.." && pwd)

# The Windows build under test: QS_E2E_ARCH (win32 or win64), by default the
# first this machine runs (the 32-bit release build where it can).
. "$QS_ROOT/scripts/wine-env"
QS_E2E_ARCH=${QS_E2E_ARCH:-$(qs_runnable_windows_archs | cut -d' ' -f1)}
export QS_E2E_ARCH
QS_WINDOWS_BUILD=$(qs_windows_build_dir "$QS_E2E_ARCH") || {
    echo "FAIL: unknown QS_E2E_ARCH '$QS_E2E_ARCH' (win32 or win64)" >&2
    exit 1
}
E2E_WORK=${QS_E2E_WORK:-"$QS_ROOT/build/e2e/$QS_E2E_ARCH"}
E2E_ARTIFACTS=${QS_E2E_ARTIFACTS:-"$QS_ROOT/build/e2e-artifacts/$QS_E2E_ARCH"}
QUILLSTONE_WINEPREFIX="$E2E_WORK/wineprefix"
qs_wine_use "$QS_E2E_ARCH" || exit 1
E2E_FIRST_DISPLAY=70
E2E_LAST_DISPLAY=79
QS_MAIN_CLASS=hWndQuillstone
QS_REG_KEY='HKCU\Software\Local AppWizard-Generated Applications'
QS_PLACEMENT_KEY="$QS_REG_KEY\\Quillstone\\Quillstone_Section"

# Menu commands of the main window.
QS_CMD_NEW=57600
QS_CMD_OPEN=57601
QS_CMD_SAVE=57603
QS_CMD_SAVE_AS=57604
QS_CMD_SOUND_RIGHT=32771
QS_CMD_SOUND_LEFT=32772
QS_CMD_INPUT_VOLUME=32773
QS_CMD_COM1=32777        # COM1 .. COM8: 32777 .. 32784
QS_CMD_COM9=32795        # COM9 .. COM15: 32795 .. 32801
QS_CMD_USBIF4CW=32785
QS_CMD_KEY_RTS=32786
QS_CMD_KEY_DTR=32787

# Controls of the operating form.
QS_RX_SPEED_SLIDER=1017
QS_TX_SPEED_SLIDER=1018
QS_INPUT_VOLUME_SLIDER=1019
QS_RX_SPEED_AUTO=1020
QS_NR1=1021
QS_NR2=1022
QS_QRM=1023
QS_RX_SPEED_LABEL=1025
QS_TX_SPEED_LABEL=1026
QS_PORT_LABEL=1027
QS_TX_EDIT_HOLD=1024
QS_TX_CLEAR=1004
QS_TONE_AUTO=1028
QS_HIS_RST=1032
QS_MY_RST=1033
QS_GREETING=1034
QS_SOUND_DEVICE=1035
QS_RECEIVE_WINDOW=1036
QS_TRANSMIT_BOX=1037
QS_LEVEL_DISPLAY=1038
QS_SPECTRUM_DISPLAY=1039
QS_LOWER_SCALE=1040
QS_UPPER_SCALE=1041
QS_THRESHOLD_LABEL=1042
QS_TONE_LABEL=1043
QS_THRESHOLD_AUTO=1065

# The capture device of the virtual sound card as DirectSound lists it.
QS_TEST_SOUND_DEVICE="Monitor of QuillstoneTestInput"

export QS_SOUND_CARD_DIR="$E2E_WORK/sound"

# ---------------------------------------------------------------- reporting

e2e_log() { echo "--- $*"; }

E2E_FAILED_CHECKS=0

# Ends the scenario at once: what follows depends on what failed.
e2e_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A failed check is reported and the scenario goes on; it fails at its end.
e2e_check_failed() {
    echo "FAIL: $*" >&2
    E2E_FAILED_CHECKS=$((E2E_FAILED_CHECKS + 1))
}

assert_eq() {  # EXPECTED ACTUAL WHAT
    [ "$2" == "$1" ] || e2e_check_failed "$3: expected [$1], got [$2]"
}

assert_contains() {  # HAYSTACK NEEDLE WHAT
    [[ "$1" == *"$2"* ]] || e2e_check_failed "$3: [$2] not found in [$1]"
}

# ------------------------------------------------------------ machine set-up

e2e_install_missing() {
    "$QS_ROOT/scripts/install-deps" all
}

# Builds the driver, the logging-program stand-ins and the program for the
# Windows build under test and the qstn tool natively.
e2e_build() {
    local build
    build=$(basename "$QS_WINDOWS_BUILD")
    "$QS_ROOT/scripts/build" "$build" qs_driver Quillstone usbif4cw_stdcall usbif4cw_cdecl \
        hamlog_standin logger32_standin qs_link_probe || return 1
    "$QS_ROOT/scripts/build" native qstn
}

e2e_find_programs() {
    QS_DRIVER=${QS_E2E_DRIVER:-"$QS_WINDOWS_BUILD/tests/e2e/driver/qs_driver.exe"}
    QS_PROGRAM=${QS_E2E_PROGRAM:-$(find "$QS_WINDOWS_BUILD" -name Quillstone.exe \
        -print -quit 2>/dev/null)}
    QS_QSTN=${QS_E2E_QSTN:-"$QS_ROOT/build/native/tools/qstn"}
    QS_USBIF4CW_DIR="$QS_WINDOWS_BUILD/tests/e2e/usbif4cw"
    export QS_DRIVER QS_PROGRAM QS_QSTN QS_USBIF4CW_DIR
}

# Starts Xvfb on the first free display of :70 to :79 unless there is a display.
e2e_start_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    local n
    for n in $(seq "$E2E_FIRST_DISPLAY" "$E2E_LAST_DISPLAY"); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$E2E_WORK/xvfb.log" 2>&1 &
        local pid=$!
        local _
        for _ in $(seq 50); do
            if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
                echo "$pid" >"$E2E_WORK/xvfb.pid"
                export DISPLAY=":$n"
                return 0
            fi
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$pid" 2>/dev/null
    done
    e2e_fail "no free X display between :$E2E_FIRST_DISPLAY and :$E2E_LAST_DISPLAY"
}

# A fresh prefix for each run; QS_E2E_KEEP_PREFIX=1 reuses the last one.
e2e_start_prefix() {
    if [ "${QS_E2E_KEEP_PREFIX:-0}" != 1 ] || [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineserver -k 2>/dev/null || true
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        e2e_log "creating the Wine prefix"
        wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
}

e2e_start_sound() {
    local line
    line=$("$QS_ROOT/scripts/virtual-sound-card" start) || e2e_fail "no virtual sound card"
    export "${line?}"
}

e2e_setup() {
    mkdir -p "$E2E_WORK" "$E2E_ARTIFACTS"
    e2e_find_programs
    e2e_start_display
    e2e_start_prefix
    e2e_start_sound
    export E2E_READY=1
}

e2e_teardown() {
    wineserver -k 2>/dev/null || true
    "$QS_ROOT/scripts/virtual-sound-card" stop || true
    if [ -f "$E2E_WORK/xvfb.pid" ]; then
        kill "$(cat "$E2E_WORK/xvfb.pid")" 2>/dev/null || true
        rm -f "$E2E_WORK/xvfb.pid"
    fi
}

# ------------------------------------------------------------------ scenarios

E2E_BACKGROUND_PIDS=()
E2E_CLOSED_PIDS=()

# Starts a scenario: its own artifacts folder, a new Wine session on the
# prefix with an empty program registry key, and clean-up on any exit.
e2e_scenario_begin() {
    E2E_SCENARIO=$1
    if [ -z "${E2E_READY:-}" ]; then
        E2E_OWNS_SETUP=1
        e2e_setup
    fi
    E2E_OUT="$E2E_ARTIFACTS/$E2E_SCENARIO"
    rm -rf "$E2E_OUT"
    mkdir -p "$E2E_OUT" "$E2E_WORK/cwd"
    trap e2e_scenario_end EXIT
    trap 'exit 1' INT TERM
    set -E
    trap 'e2e_fail "line $LINENO: \"$BASH_COMMAND\" failed"' ERR
    e2e_log "scenario $E2E_SCENARIO on display $DISPLAY, $QS_E2E_ARCH build"
    wineserver -k 2>/dev/null || true
    wineserver -w || true
    wineserver -p
    qs_reset_registry
}

e2e_scenario_end() {
    local status=$?
    local pid
    trap - ERR
    [ "$status" -eq 0 ] && e2e_check_closed_processes
    # The Wine session ends first: a helper's end may hang up a terminal
    # the server holds open (a serial port's pty), and a hung-up server
    # dumps all its objects into the log.
    wineserver -k 2>/dev/null || true
    for pid in "${E2E_BACKGROUND_PIDS[@]}" ${QS_PID:-}; do kill "$pid" 2>/dev/null || true; done
    if [ -n "${E2E_OWNS_SETUP:-}" ]; then e2e_teardown; fi
    [ "$status" -eq 0 ] && [ "$E2E_FAILED_CHECKS" -gt 0 ] && status=1
    exit "$status"
}

# Runs a command in the background for the rest of the scenario.
e2e_background() {
    "$@" &
    E2E_BACKGROUND_PIDS+=($!)
}

# ------------------------------------------------------------ the program

# Runs one driver command; QS_E2E_TRACE=1 logs each with its duration. A
# failed command is named with the scenario line that ran it.
qs() {
    local started_ns status=0
    started_ns=$(date +%s%N)
    timeout 60 wine "$QS_DRIVER" "$@" || status=$?
    local took_ms=$((($(date +%s%N) - started_ns) / 1000000))
    [ -n "${QS_E2E_TRACE:-}" ] && echo "[$took_ms ms] qs $* -> $status" >&2
    [ "$status" -eq 0 ] ||
        echo "FAIL: line ${BASH_LINENO[0]}: qs $* exited $status after $took_ms ms" >&2
    return "$status"
}

qs_reset_registry() { wine reg delete "$QS_REG_KEY" /f >/dev/null 2>&1 || true; }

# A placement value stored by the program, in decimal; empty when absent.
qs_registry_value() {
    local hex
    hex=$(wine reg query "$QS_PLACEMENT_KEY" /v "$1" 2>/dev/null | tr -d '\r' |
        awk '$2 == "REG_DWORD" { print $3 }')
    if [ -n "$hex" ]; then printf '%d\n' "$hex"; fi
}

# The Windows form of a Unix path (drive Z: is the Unix root).
qs_winpath() {
    local path
    path=$(realpath -m "$1")
    echo "Z:${path//\//\\}"
}

# Starts Quillstone.exe with ARGS and waits for its main window.
qs_start() {
    [ -n "$QS_PROGRAM" ] && [ -f "$QS_PROGRAM" ] ||
        e2e_fail "Quillstone.exe is not built (looked under $QS_WINDOWS_BUILD)"
    (cd "$E2E_WORK/cwd" && exec wine "$QS_PROGRAM" "$@" >>"$E2E_OUT/program.log" 2>&1) &
    QS_PID=$!
    qs wait-window "$QS_MAIN_CLASS" 30000 || e2e_fail "the main window did not appear"
}

# Starts the program with the whole form in view (the macro labels and
# buttons included) and opens SETTINGS, which must open without a message.
qs_start_opening() {  # SETTINGS [ARGS...]
    local settings=$1
    shift
    qs_start "$@"
    qs move 0 0 1200 560
    qs_open "$settings"
    qs_expect_no_dialog "opening $settings"
}

qs_running() { [ -n "${QS_PID:-}" ] && kill -0 "$QS_PID" 2>/dev/null; }

# Waits until the program has shut down: its main window is gone (files and
# registry are written by then). Its process may take a few seconds more to
# end under Wine; e2e_scenario_end checks that it did.
qs_wait_exit() {  # TIMEOUT_S
    qs wait-closed $(($1 * 1000)) 2>/dev/null || return 1
    [ -n "${QS_PID:-}" ] && E2E_CLOSED_PIDS+=("$QS_PID")
    QS_PID=
}

# Closes the program, which must end without asking anything.
qs_close() {
    qs close || e2e_fail "cannot close the main window"
    qs_wait_exit 10 || e2e_fail "the program did not end after close: $(qs dialog-text 100)"
}

# Closes the program, answering No if it asks to save the document.
qs_close_discarding() {
    qs close || e2e_fail "cannot close the main window"
    if qs dialog-text 1500 >/dev/null 2>&1; then qs dialog-press IDNO; fi
    qs_wait_exit 10 || e2e_fail "the program did not end after close: $(qs dialog-text 100)"
}

# Fails unless every program closed during the scenario has ended.
e2e_check_closed_processes() {
    local pid _
    for pid in "${E2E_CLOSED_PIDS[@]}"; do
        for _ in $(seq 100); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -0 "$pid" 2>/dev/null && e2e_check_failed "process $pid lingers after its window closed"
    done
    return 0
}

# Types a path into the open or save dialog that COMMAND_ID brings up.
qs_file_command() {  # COMMAND_ID PATH
    qs menu "$1" || e2e_fail "menu command $1 failed"
    qs file-dialog "$(qs_winpath "$2")" 10000 || e2e_fail "file dialog of command $1"
}

qs_open() { qs_file_command "$QS_CMD_OPEN" "$1"; }

# Saves the document under PATH and waits for the file.
qs_save_as() {
    qs_file_command "$QS_CMD_SAVE_AS" "$1"
    e2e_wait_file "$1" 10
}

# Fails when the program shows a dialog within a second.
qs_expect_no_dialog() {  # WHAT
    local text
    if text=$(qs dialog-text 1000 2>/dev/null); then
        e2e_fail "$1: unexpected dialog [$text]"
    fi
}

# Polls a driver query until its output equals EXPECTED.
qs_wait_for() {  # EXPECTED TIMEOUT_S QUERY...
    local expected=$1 timeout_s=$2 _
    shift 2
    for _ in $(seq $((timeout_s * 4))); do
        [ "$(qs "$@")" == "$expected" ] && return 0
        sleep 0.25
    done
    return 1
}

# Waits until a file the program writes exists and has stopped growing.
e2e_wait_file() {  # PATH TIMEOUT_S
    local size=-1 _
    for _ in $(seq $(($2 * 10))); do
        if [ -f "$1" ] && [ "$(stat -c %s "$1")" -eq "$size" ]; then return 0; fi
        [ -f "$1" ] && size=$(stat -c %s "$1")
        sleep 0.1
    done
    e2e_fail "$1 was not written"
}

# Waits until a control's text has not changed for QUIET_S seconds.
qs_wait_text_settled() {  # CONTROL_ID QUIET_S TIMEOUT_S
    local last="" now quiet=0 _
    for _ in $(seq $(($3 * 2))); do
        now=$(qs text "$1")
        if [ "$now" == "$last" ]; then quiet=$((quiet + 1)); else quiet=0; fi
        [ "$quiet" -ge $(($2 * 2)) ] && return 0
        last=$now
        sleep 0.5
    done
    e2e_fail "control $1 kept changing"
}

# Checks decoded text against a reference decode of the same audio. The
# first word may differ, as the speed estimate settles during it: every
# later word must match the end of the reference, and the counts of words
# may differ by one at most (a word gained or lost at the start).
assert_decoded() {  # REFERENCE ACTUAL WHAT
    local reference actual
    read -r -a reference <<<"$(tr '\n' ' ' <<<"$1")"
    read -r -a actual <<<"$(tr '\n' ' ' <<<"$2")"
    local r=${#reference[@]} a=${#actual[@]}
    if [ "$a" -lt 2 ] || [ $((a - r)) -gt 1 ] || [ $((r - a)) -gt 1 ] ||
        [ "${actual[*]:1}" != "${reference[*]:r-a+1}" ]; then
        e2e_check_failed "$3: expected [${reference[*]}] but for the first word, got [${actual[*]}]"
    fi
}

# ------------------------------------------------------------ screenshots

# Saves the screen and the main window's area as PNG files named NAME.
qs_screenshot() {  # NAME
    local screen="$E2E_OUT/$1-screen.png" x y w h
    import -display "$DISPLAY" -window root "$screen" || e2e_fail "no screenshot"
    read -r x y w h <<<"$(qs window-rect)"
    convert "$screen" -crop "${w}x${h}+${x}+${y}" +repage "$E2E_OUT/$1.png"
}

# Cuts a control's area out of a screenshot into OUT.
qs_crop_control() {  # SCREEN_PNG CONTROL_ID OUT
    local x y w h
    read -r x y w h <<<"$(qs control-rect "$2")" || return 1
    convert "$1" -crop "${w}x${h}+${x}+${y}" +repage "$3"
}

# Per mille of an image's pixels that differ from its most common colour.
e2e_image_busy_permille() {  # PNG
    convert "$1" -format '%c' histogram:info:- |
        awk '{ n = $1 + 0; total += n; if (n > top) top = n }
             END { if (total == 0) print 0; else print int(1000 * (total - top) / total) }'
}

# Waits until the capture thread has handled its first block: the level
# display, black until then, gets its grid and threshold line. Under Wine the
# first block arrives 0.5 to 3 s after the capture started.
qs_wait_capture_drawn() {  # TIMEOUT_S
    local screen="$E2E_OUT/capture-wait-screen.png" level="$E2E_OUT/capture-wait-level.png"
    local deadline=$((SECONDS + $1))
    while [ "$SECONDS" -lt "$deadline" ]; do
        import -display "$DISPLAY" -window root "$screen" || return 1
        qs_crop_control "$screen" "$QS_LEVEL_DISPLAY" "$level" || return 1
        if [ "$(e2e_image_busy_permille "$level")" -ge 10 ]; then
            rm -f "$screen" "$level"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# Number of pixels that differ between two images of the same size.
# compare exits with 1 when the images differ and with 2 when it failed.
e2e_image_difference() {  # A_PNG B_PNG
    local count status=0
    count=$(compare -metric AE "$1" "$2" null: 2>&1) || status=$?
    [ "$status" -le 1 ] || { echo "compare: $count" >&2; return 1; }
    awk '{ print int($1) }' <<<"$count"
}

# ------------------------------------------------------------ keying

# Pixels of the sent-text blue (0, 0, 255) in a control of a screenshot.
e2e_blue_pixels() {  # SCREEN_PNG CONTROL_ID
    local crop="$E2E_OUT/blue-$2.png"
    qs_crop_control "$1" "$2" "$crop" || return 1
    convert "$crop" -format '%c' histogram:info:- |
        awk '/#0000FF/ { n += $1 + 0 } END { print n + 0 }'
}

# Sends TEXT from an empty transmit box and receive window, waits for its
# echo and the end of the keying, and checks the part of LOG the send added
# (see e2e_check_keying).
e2e_send_and_check() {  # LOG TEXT KEYING-CHECK-ARGUMENTS...
    local log=$1 text=$2
    shift 2
    e2e_clear_boxes
    local from=$(($(wc -l <"$log") + 1))
    qs keys "$text" $QS_TRANSMIT_BOX
    e2e_check_keying "$log" "$from" "$text" "$@"
}

# TX Clear and RX Clear: an empty transmit box and receive window.
e2e_clear_boxes() {
    qs click $QS_TX_CLEAR
    qs click 1003
}

# Waits for the echo of TEXT and the end of the keying, and checks the lines
# of LOG from line FROM on with qstn keying-check KEYING-CHECK-ARGUMENTS: the
# line changes must be those of the engine's ideal timeline for TEXT, in
# order (the Morse of the text, PTT around it). The errors of elements, gaps
# and PTT against their ideal durations are printed, not asserted (timing
# targets are the timing benchmark's: on a machine shared with other work a
# time slice taken from the program shows as a late line change);
# QS_E2E_KEYING_TOLERANCE_MS=N makes any error beyond N ms fail. The figures
# stay in E2E_KEYING_FIGURES, the part of the log in E2E_KEYING_PART.
e2e_check_keying() {  # LOG FROM TEXT KEYING-CHECK-ARGUMENTS...
    local log=$1 from=$2 text=$3 status=0 tolerance=()
    shift 3
    qs wait-text $QS_RECEIVE_WINDOW "TX> $text" 20000 ||
        e2e_fail "no echo: [$(qs text $QS_RECEIVE_WINDOW)]"
    e2e_wait_file_quiet "$log" 1 10 || e2e_fail "the keying did not end"
    E2E_KEYING_PART="$log.$(date +%s%N)"
    tail -n "+$from" "$log" >"$E2E_KEYING_PART"
    [ -n "${QS_E2E_KEYING_TOLERANCE_MS:-}" ] && tolerance=(--tolerance-ms "$QS_E2E_KEYING_TOLERANCE_MS")
    E2E_KEYING_FIGURES=$("$QS_QSTN" keying-check "${tolerance[@]}" "$@" "$E2E_KEYING_PART" "$text") ||
        status=$?
    echo "keying of [$text] $* (load average $(cut -d' ' -f1-3 /proc/loadavg)):"
    echo "$E2E_KEYING_FIGURES" | sed 's/^/    /'
    [ "$status" -eq 0 ] || e2e_check_failed "[$text] was not keyed as expected (see the figures)"
}

# ------------------------------------------------------------ logging programs

STANDIN_PID=

# The stand-ins and the link probe are built beside the driver.
e2e_standins_dir() { echo "$(dirname "$QS_DRIVER")/../standins"; }

# Starts the HamLog or Logger32 stand-in with a fresh LOG of the messages it
# takes, and waits for its window; STANDIN_PID is its process.
e2e_start_hamlog() {  # LOG [OPTION...]
    e2e_start_standin hamlog_standin TThwin "$@"
}
e2e_start_logger32() {  # LOG [OPTION...]
    e2e_start_standin logger32_standin Logger32StandIn "$@"
}
e2e_start_standin() {  # PROGRAM WINDOW_CLASS LOG [OPTION...]
    local program=$1 class=$2 log=$3
    shift 3
    rm -f "$log"
    wine "$(e2e_standins_dir)/$program.exe" --log "$(qs_winpath "$log")" "$@" \
        >>"$E2E_OUT/standins.log" 2>&1 &
    STANDIN_PID=$!
    E2E_BACKGROUND_PIDS+=("$STANDIN_PID")
    qs wait-window "$class" 20000 || e2e_fail "$program did not start"
}
e2e_stop_standin() {
    kill "$STANDIN_PID" 2>/dev/null || true
    wait "$STANDIN_PID" 2>/dev/null || true
}

# Waits until a file has not grown for QUIET_S seconds.
e2e_wait_file_quiet() {  # PATH QUIET_S TIMEOUT_S
    local size=-1 now quiet=0 _
    for _ in $(seq $(($3 * 10))); do
        now=$(stat -c %s "$1" 2>/dev/null || echo -1)
        if [ "$now" -eq "$size" ]; then quiet=$((quiet + 1)); else quiet=0; fi
        [ "$quiet" -ge $(($2 * 10)) ] && return 0
        size=$now
        sleep 0.1
    done
    return 1
}

# ------------------------------------------------------------ test data

e2e_qstn_file() { python3 "$E2E_DIR/tools/qstn_file.py" "$@"; }
e2e_morse_wav() { python3 "$E2E_DIR/tools/morse_wav.py" "$@"; }
