#!/usr/bin/env bash
# Save As writes the settings record byte for byte: a file opened and saved
# again under another name is identical to the original (long slots in the
# 16-bit length form, non-ASCII text and reserved slots included), and a new
# document saves as the 438-byte empty record. Opening the file applies its
# receive settings to the controls.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin save_as

long_macro=$(printf 'CQ CQ DE <MYCALL> %.0s' $(seq 20))   # 360 characters
original="$E2E_OUT/station.qstn"
e2e_qstn_file write "$original" "1=$long_macro" "2=<HISCALL> DE <MYCALL> TU" 13=CQ 25=4 \
    40=NoiseON1 41=QRMON 42=431 43=ThreON 44=8 "45=JA1ABC" "46=Tarō" "47=東京都" 50=-50 \
    "60=reserved slot" "80=last slot"
[ "$(stat -c %s "$original")" -gt 1000 ] || e2e_fail "test file too short"

qs_start
qs_open "$original"
qs_expect_no_dialog "opening $original"
assert_eq 1 "$(qs checked $QS_NR1)" "NR1 from the file"
assert_eq 0 "$(qs checked $QS_NR2)" "NR2 from the file"
assert_eq 1 "$(qs checked $QS_QRM)" "QRM filter from the file"
assert_eq 1 "$(qs checked $QS_THRESHOLD_AUTO)" "threshold Auto from the file"
assert_eq 8 "$(qs trackbar $QS_INPUT_VOLUME_SLIDER)" "input volume from the file"
assert_eq "431Hz" "$(qs text $QS_TONE_LABEL)" "tone label from the file"
assert_eq 1 "$(qs visible $QS_LOWER_SCALE)" "lower frequency scale for 431 Hz"
assert_eq 0 "$(qs visible $QS_UPPER_SCALE)" "upper frequency scale for 431 Hz"
assert_eq "Threshold -50db" "$(qs text $QS_THRESHOLD_LABEL)" "threshold label from the file"

copy="$E2E_OUT/station-copy.qstn"
qs_save_as "$copy"
cmp "$original" "$copy" || e2e_fail "Save As changed the record (see $copy)"

qs menu $QS_CMD_NEW
qs_expect_no_dialog "File New after an unchanged document"
empty="$E2E_OUT/new.qstn"
qs_save_as "$empty"
e2e_qstn_file write "$E2E_OUT/expected-empty.qstn"
assert_eq 438 "$(stat -c %s "$empty")" "size of a saved new document"
cmp "$E2E_OUT/expected-empty.qstn" "$empty" || e2e_fail "a new document does not save as empty"
qs_close
