#!/usr/bin/env bash
# HamLog as the logging program, driven through the operating screen's keys
# against the HamLog stand-in: F6 transfers the contact (a new entry the
# first time, date and time the second), F7 saves it and empties the fields,
# Ctrl+F1 asks for the call; with HamLog gone F6 reports inline and the QSO
# button by message box.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin hamlog_screen

his_call=1029
his_name=1030
his_qth=1031
# The QSO button (1001) by its place in form pixels: the edits inside the
# report combo boxes carry the id 1001 too.
qso_button_x=366
qso_button_y=257

# The lines after the link test (101, 1 "****", 101, 1 restoring the call),
# date and time replaced by their shapes.
transfer_lines() {
    sed -E 's|^2 8 [0-9]{2}/[0-9]{2}/[0-9]{2}$|2 8 YY/MM/DD|; s|^3 6 [0-9]{2}:[0-9]{2}[A-Z]$|3 6 HH:MMZ|' "$1" |
        grep -vE '^(101 0 -|1 4 \*\*\*\*|1 [0-9]+ .*)$'
}

settings="$E2E_OUT/hamlog.qstn"
e2e_qstn_file write "$settings" "49=NMNNN1123NN5001218HNCN" 45=JH1XYZ 52=15
log=$E2E_OUT/hamlog.log
e2e_start_hamlog "$log" --call JA1XYZ

qs_start_opening "$settings"
qs click $his_call  # the main window active again after the file dialog

e2e_log "F6 twice for JA1ABC, then F7"
qs keys "JA1ABC" $his_call
qs keys "OP" $his_name
qs keys "{F6}" $QS_TRANSMIT_BOX
qs_expect_no_dialog "the first F6"
first=$(transfer_lines "$log")
echo "$first" >"$E2E_OUT/first.txt"
assert_eq "16 0 -" "$(echo "$first" | head -1)" "a new entry first"
assert_contains "$first" $'7 2 CW\n11 3 OP\\x00' "mode and name"
assert_eq $'26 0 -\n196609 6 JA1ABC' "$(echo "$first" | tail -2)" "26, then the call"
: >"$log"
qs keys "{F6}" $QS_TRANSMIT_BOX
second=$(transfer_lines "$log")
echo "$second" >"$E2E_OUT/second.txt"
assert_eq "7 2 CW" "$(echo "$second" | head -1)" "the second transfer starts with the details"
assert_eq $'26 0 -\n103 0 -\n2 8 YY/MM/DD\n3 6 HH:MMZ' "$(echo "$second" | tail -4)" \
    "26, 103, date and time"
case "$second" in *"16 0 -"* | *196609*) e2e_fail "16 or 196609 in the second transfer" ;; esac
: >"$log"
qs keys "{F7}" $QS_TRANSMIT_BOX
qs_expect_no_dialog "F7"
assert_eq "524306 0 -" "$(transfer_lines "$log")" "F7 saves"
for field in $his_call $his_name $his_qth; do
    assert_eq "" "$(qs text $field)" "field $field after F7"
done

e2e_log "Ctrl+F1 fills HisCall from HamLog"
qs keys "{CTRL+F1}" $QS_TRANSMIT_BOX
assert_eq "JA1XYZ" "$(qs text $his_call)" "HisCall from HamLog's answer"

e2e_log "HamLog closed"
e2e_stop_standin
qs keys "{F6}" $QS_TRANSMIT_BOX
qs_expect_no_dialog "F6 without HamLog"
assert_contains "$(qs text $QS_RECEIVE_WINDOW)" "HamLog not found" "F6's notice"
qs click-at $qso_button_x $qso_button_y &
clicked=$!
assert_contains "$(qs dialog-text 10000)" "Pls start HamLog" "the QSO button's message"
qs dialog-press IDOK
wait "$clicked" || true
qs_close
