#!/usr/bin/env bash
# Damaged settings files are reported and the program goes on: a file that
# does not start with the data marker shows its message and leaves an empty
# record (which saves as the empty file); a good file opened afterwards is
# applied as usual; a file cut short is refused with a message naming where
# it ends, and the document stays as it was: its settings, its name, and the
# bytes it saves.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin damaged_file

wrong_marker="$E2E_OUT/wrong-marker.qstn"
e2e_qstn_file write "$wrong_marker" --first "<<## Quillstone 106data ##>>" 40=NoiseON1 45=JA1ABC
cut_short="$E2E_OUT/cut-short.qstn"
e2e_qstn_file write "$cut_short" 40=NoiseON1 45=JA1ABC --cut 300
good="$E2E_OUT/good.qstn"
e2e_qstn_file write "$good" 50=-60

qs_start
qs_open "$wrong_marker"
assert_eq $'Can\'t read this fail.\nPls try to open another file or choice [new file]' \
    "$(qs dialog-text 5000)" "message for a wrong first string"
qs dialog-press IDOK
qs_expect_no_dialog "after the wrong-marker message"
assert_eq 0 "$(qs checked $QS_NR1)" "NR1 after the wrong-marker file"
assert_eq 1 "$(qs checked $QS_NR2)" "NR2 after the wrong-marker file"
emptied="$E2E_OUT/emptied.qstn"
qs_save_as "$emptied"
e2e_qstn_file write "$E2E_OUT/expected-empty.qstn"
cmp "$E2E_OUT/expected-empty.qstn" "$emptied" ||
    e2e_fail "the record of a wrong-marker file is not empty"

qs_open "$good"
qs_expect_no_dialog "opening a good file after a damaged one"
assert_eq "Threshold -60db" "$(qs text $QS_THRESHOLD_LABEL)" "threshold from the good file"

# The cut falls after slot 53, so the file ends inside string 55 (slot 54).
qs_open "$cut_short"
cut_message="$(qs_winpath "$cut_short")"$'\n'
cut_message+=$'This settings file is cut short: it ends inside string 55 of 82.\n'
cut_message+='The settings were not changed.'
assert_eq "$cut_message" "$(qs dialog-text 5000)" "message for a file cut short"
qs dialog-press IDOK
qs_expect_no_dialog "after the cut-short message"
assert_eq 0 "$(qs checked $QS_NR1)" "NR1 after the cut-short file"
assert_eq "Threshold -60db" "$(qs text $QS_THRESHOLD_LABEL)" "threshold after the cut-short file"
assert_contains "$(qs title)" "good" "window title after the cut-short file"
kept="$E2E_OUT/kept.qstn"
qs_save_as "$kept"
cmp "$good" "$kept" || e2e_fail "the record changed after a file cut short (see $kept)"
assert_eq "RX> " "$(qs text $QS_RECEIVE_WINDOW)" "receive window"
qs_screenshot after_damaged_files
qs_close
