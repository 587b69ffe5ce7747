#!/usr/bin/env bash
# Logger32 as the logging program, through the operating screen against the
# Logger32 stand-in: "Logger32 not found" in the receive window while it is
# absent, the handshake on the next search once it runs, then the QSO and
# SAVE records.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin logger32_screen

his_call=1029
his_name=1030
# The QSO button (1001) by its place in form pixels: the edits inside the
# report combo boxes carry the id 1001 too.
qso_button_x=366
qso_button_y=257
save_button=1002

settings="$E2E_OUT/logger32.qstn"
e2e_qstn_file write "$settings" "49=NMNNN1123NN5001218LNNN" 45=JH1XYZ 52=15
qs_start_opening "$settings"
qs click $his_call  # the main window active again after the file dialog

e2e_log "searching while Logger32 is absent"
qs wait-text $QS_RECEIVE_WINDOW "Logger32 not found" 12000 ||
    e2e_fail "no search line: $(qs text $QS_RECEIVE_WINDOW)"

log=$E2E_OUT/logger32.log
e2e_start_logger32 "$log"
qs wait-text $QS_RECEIVE_WINDOW "Connection accepted" 15000 ||
    e2e_fail "no handshake: $(qs text $QS_RECEIVE_WINDOW)"
assert_contains "$(qs text $QS_RECEIVE_WINDOW)" "Logger32 found" "the search found it"

e2e_log "QSO and SAVE"
qs keys "JA1ABC" $his_call
qs keys "OP" $his_name
for rst_x in 83 239; do  # the reports emptied in the combo boxes' edits
    qs click-at $rst_x 260
    qs keys "{END}{BACKSPACE}{BACKSPACE}{BACKSPACE}"
done
qs click-at $qso_button_x $qso_button_y
qs click $save_button
qs_expect_no_dialog "QSO and SAVE"
assert_eq $'request Logger32 1\nack Logger32 1\nrecord <CALL:6>JA1ABC<NAME:2>OP0\nrecord <APP_LOGQSO:0>0' \
    "$(cat "$log")" "Logger32's message log"
qs_close
