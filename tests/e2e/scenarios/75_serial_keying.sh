#!/usr/bin/env bash
# Serial keying on a pseudo-terminal mapped as COM12 in the prefix's
# dosdevices, with a preloaded recorder answering and logging the modem-line
# ioctls (a pty has no modem lines of its own). "COM13" with no device
# behind it says "Can't open COM13.". On COM12, RTS keys "PARIS" at 100/Min
# with DTR as PTT, 100 ms lead and the 20 ms PTT-off delay (the line changes
# are checked, their timing printed, see e2e_send_and_check); after choosing
# DTR the two lines swap. Closing the program while it sends leaves both
# lines released and no process behind.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin serial_keying

recorder="$E2E_WORK/modem_line_recorder.so"
g++ -shared -fPIC -O2 -o "$recorder" "$E2E_DIR/tools/modem_line_recorder.cpp" -ldl ||
    e2e_fail "cannot build the modem-line recorder"

pty_info="$E2E_OUT/pty.txt"
e2e_background python3 -c '
import os, pty, sys, time
master, slave = pty.openpty()
print(os.ttyname(slave), flush=True)
time.sleep(300)' >"$pty_info"
for _ in $(seq 50); do [ -s "$pty_info" ] && break; sleep 0.1; done
pty_device=$(head -n1 "$pty_info")
[ -c "$pty_device" ] || e2e_fail "no pseudo-terminal"
ln -sfn "$pty_device" "$WINEPREFIX/dosdevices/com12"
rm -f "$WINEPREFIX/dosdevices/com13"

# HamLog as the logging program: Logger32's search would write a line into
# the receive window every 8 s, between the echoes this scenario reads.
settings="$E2E_OUT/serial.qstn"
e2e_qstn_file write "$settings" "39=$QS_TEST_SOUND_DEVICE" 49=NMYNN1123CN5001218HNNN 51=LeftTone

log="$E2E_OUT/modem-lines.log"
: >"$log"
LD_PRELOAD="$recorder" QS_MODEM_LINE_LOG="$log" qs_start
qs_open "$settings"
qs_expect_no_dialog "opening the settings file"
qs_wait_capture_drawn 10 || e2e_fail "the capture did not start"

qs menu $((QS_CMD_COM9 + 4))
assert_eq "Can't open COM13." "$(qs dialog-text 5000 | head -n1)" "message for COM13"
qs dialog-press IDOK

qs menu $((QS_CMD_COM9 + 3))
qs_expect_no_dialog "COM12"
assert_eq "COM12  RTS" "$(qs text $QS_PORT_LABEL)" "port label after choosing COM12"

e2e_send_and_check "$log" "PARIS" --format modem-lines --key-line RTS --cpm 100 --lead-ms 100
lead=$(awk '/^lead:/ { print $2 }' <<<"$E2E_KEYING_FIGURES")
[ -n "$lead" ] || e2e_check_failed "no PTT lead keyed by RTS"
qs menu $QS_CMD_KEY_DTR
assert_eq "COM12 DTR" "$(qs text $QS_PORT_LABEL)" "port label after choosing DTR"
e2e_send_and_check "$log" "PARIS" --format modem-lines --key-line DTR --cpm 100 --lead-ms 100

# Closed while sending: both lines end released.
qs keys " PARIS PARIS PARIS" $QS_TRANSMIT_BOX
sleep 1.2
qs_close_discarding
final=$(awk '{ state[$3] = $2 } END { print state["RTS"], state["DTR"] }' "$log")
assert_eq "CLR CLR" "$final" "RTS and DTR after closing while sending"
