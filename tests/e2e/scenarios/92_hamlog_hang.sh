#!/usr/bin/env bash
# A HamLog that never answers: F6 waits at most the send time-out, reports
# "HamLog not found" and the terminal stays responsive, its contact fields
# as they were.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin hamlog_hang

his_call=1029
his_name=1030

settings="$E2E_OUT/hamlog.qstn"
e2e_qstn_file write "$settings" "49=NMNNN1123NN5001218HNCN" 45=JH1XYZ 52=15
log=$E2E_OUT/hamlog.log
e2e_start_hamlog "$log" --hang-on 101

qs_start_opening "$settings"
qs click $his_call  # the main window active again after the file dialog
qs keys "JA1ABC" $his_call
started=$(date +%s)
qs keys "{F6}" $QS_TRANSMIT_BOX
qs wait-text $QS_RECEIVE_WINDOW "HamLog not found" 15000 ||
    e2e_fail "no notice: $(qs text $QS_RECEIVE_WINDOW)"
[ $(($(date +%s) - started)) -le 15 ] || e2e_check_failed "F6 took over 15 s"
qs keys "OP" $his_name
assert_eq "OP" "$(qs text $his_name)" "typing after the hung request"
assert_eq "JA1ABC" "$(qs text $his_call)" "HisCall kept"
qs_close
