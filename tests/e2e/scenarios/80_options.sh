#!/usr/bin/env bash
# The Options dialog: opened on a file with the built-in option string it
# shows that string's choices and OK hands the string back unchanged, so
# that Save As writes the file byte for byte; a changed Dash weight, 5NN and
# station text take effect (the transmit speed label follows the weight)
# and are stored in slots 49 and 45 to 48.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin options

option_command=32776
option_text=1056
dash_combo=1033
five_nn=1021
greeting_ga=1030
my_call=1037
built_in="NMNNN1123NN5001218NNNN"

original="$E2E_OUT/options.qstn"
e2e_qstn_file write "$original" "49=$built_in" 45=JA1ABC "46=Taro" 52=15

qs_start
qs_open "$original"
qs_expect_no_dialog "opening $original"
qs menu $option_command
assert_eq "$built_in" "$(qs dialog-item $option_text)" "option string in the dialog"
assert_eq "JA1ABC" "$(qs dialog-item $my_call)" "My Call in the dialog"
assert_eq "12" "$(qs dialog-item $greeting_ga)" "GA hour in the dialog"
qs dialog-press IDOK
qs_expect_no_dialog "after OK"
copy="$E2E_OUT/options-copy.qstn"
qs_save_as "$copy"
cmp "$original" "$copy" || e2e_fail "OK without changes changed the record (see $copy)"

assert_eq "100/Min" "$(qs text $QS_TX_SPEED_LABEL)" "speed label with the built-in weights"
qs menu $option_command
qs dialog-select $dash_combo 8
qs dialog-click $five_nn
assert_eq "NMNNN1823NNN001218NNNN" "$(qs dialog-item $option_text)" "string after the changes"
qs dialog-press IDOK
assert_eq "89/Min" "$(qs text $QS_TX_SPEED_LABEL)" "speed label with Dash 4.5"
changed="$E2E_OUT/options-changed.qstn"
qs_save_as "$changed"
dump=$(e2e_qstn_file dump "$changed")
echo "$dump"
assert_contains "$dump" "49=NMNNN1823NNN001218NNNN" "slot 49 after the change"
assert_contains "$dump" "45=JA1ABC" "My Call kept"
qs_close
