#!/usr/bin/env bash
# The operating keys without keying: the contact fields take what is typed
# into them and Esc clears all three; F11 and Page Up step the transmit speed
# up, F10 and Page Down step it down, each within 0 to 31, with the speed
# label following; Shift+F1 queues macro 1 with its tags expanded and upper
# cased into the transmit box, and a click on a macro label does the same.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin contact_keys

his_call=1029
his_name=1030
his_qth=1031
macro1_label=1005
macro2_label=1006

settings="$E2E_OUT/station.qstn"
e2e_qstn_file write "$settings" "1=cq de <MyCall> <MyCall> k" "2=<HisCall> tu" 45=JH1XYZ 52=15

qs_start
qs move 0 0 1200 560  # the whole form with the macro labels in view
qs_open "$settings"
qs_expect_no_dialog "opening $settings"

# As an operator does after the file dialog: a click into HisCall first.
qs click $his_call
qs keys "JA1ABC" $his_call
qs keys "Taro" $his_name
qs keys "Tokyo" $his_qth
assert_eq "JA1ABC" "$(qs text $his_call)" "HisCall as typed"
assert_eq "Taro" "$(qs text $his_name)" "HisName as typed"
qs keys "{ESC}"
qs_expect_no_dialog "Esc without a logging program"
for field in $his_call $his_name $his_qth; do
    assert_eq "" "$(qs text $field)" "field $field after Esc"
done

assert_eq 15 "$(qs trackbar $QS_TX_SPEED_SLIDER)" "transmit speed from the file"
qs keys "{F11}" $QS_TRANSMIT_BOX
assert_eq 16 "$(qs trackbar $QS_TX_SPEED_SLIDER)" "F11 one step faster"
assert_eq "105/Min" "$(qs text $QS_TX_SPEED_LABEL)" "speed label after F11"
qs keys "{F10}{F10}"
assert_eq 14 "$(qs trackbar $QS_TX_SPEED_SLIDER)" "F10 twice two steps slower"
assert_eq "95/Min" "$(qs text $QS_TX_SPEED_LABEL)" "speed label after F10"
assert_eq "TX> " "$(qs text $QS_TRANSMIT_BOX)" "F10 does not reach the transmit box"
qs keys "{PGUP}" $his_name
assert_eq 15 "$(qs trackbar $QS_TX_SPEED_SLIDER)" "Page Up one step faster"
qs keys "{PGDN}{PGDN}"
assert_eq 13 "$(qs trackbar $QS_TX_SPEED_SLIDER)" "Page Down two steps slower"
qs keys "$(printf '{F10}%.0s' $(seq 14))"
assert_eq 0 "$(qs trackbar $QS_TX_SPEED_SLIDER)" "F10 stops at the slowest speed"
assert_eq "25/Min" "$(qs text $QS_TX_SPEED_LABEL)" "label at the slowest speed"

qs keys "{SHIFT+F1}" $QS_TRANSMIT_BOX
assert_eq "TX> CQ DE JH1XYZ JH1XYZ K" "$(qs text $QS_TRANSMIT_BOX)" "Shift+F1 queues macro 1"
qs keys "ja1abc" $his_call
qs click $macro2_label
assert_eq "TX> CQ DE JH1XYZ JH1XYZ KJA1ABC TU" "$(qs text $QS_TRANSMIT_BOX)" \
    "a click on macro 2 queues it after macro 1"
assert_eq "macro1" "$(qs text $macro1_label)" "caption of macro 1"
qs_close
