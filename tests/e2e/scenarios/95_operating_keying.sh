#!/usr/bin/env bash
# The operating keys that transmit, through the test-only usbif4cw.dll:
# holding Ctrl shows "HisQTH (F3/4)" and releasing it brings back
# "HisQTH (F3)"; Shift+F1 keys macro 1 with its tags expanded; a heavier
# Dash weight chosen in the Options dialog lengthens the keyed dashes; a
# click on Auto CQ sends its text until F9 discards the rest, and again until
# a call sign typed into HisCall does.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin operating_keying

his_call=1029
his_qth_group=1066
auto_cq=1016
option_command=32776
dash_combo=1033
auto_cq_text="CQ CQ CQ CQ CQ CQ CQ CQ CQ CQ DE JA1ABC JA1ABC K"

folder="$E2E_OUT/program"
mkdir -p "$folder"
cp "$QS_PROGRAM" "$folder/"
cp "$QS_USBIF4CW_DIR/stdcall/usbif4cw.dll" "$folder/"
log="$E2E_OUT/usbif4cw.log"
: >"$log"
export QS_USBIF4CW_LOG
QS_USBIF4CW_LOG=$(qs_winpath "$log")
settings="$E2E_OUT/operating.qstn"
e2e_qstn_file write "$settings" "39=$QS_TEST_SOUND_DEVICE" 37=USBIF 49=NMYNN1123NN5001218HNNN \
    51=LeftTone 52=15 45=JA1ABC "1=cq de <MyCall>" "12=$auto_cq_text"

QS_PROGRAM="$folder/Quillstone.exe" qs_start_opening "$settings"
qs_wait_capture_drawn 10 || e2e_fail "the capture did not start"
[ "$(qs text $QS_PORT_LABEL)" = USBIF4CW ] || e2e_fail "usbif4cw.dll was not opened"

e2e_log "Ctrl held and released"
qs click $QS_TRANSMIT_BOX
qs key-down CTRL
assert_eq "HisQTH (F3/4)" "$(qs text $his_qth_group)" "caption while Ctrl is held"
qs key-up CTRL
assert_eq "HisQTH (F3)" "$(qs text $his_qth_group)" "caption after Ctrl is released"

e2e_log "Shift+F1"
e2e_clear_boxes
from=$(($(wc -l <"$log") + 1))
qs keys "{SHIFT+F1}" $QS_TRANSMIT_BOX
e2e_check_keying "$log" "$from" "CQ DE JA1ABC" --format usbif4cw --cpm 100

e2e_log "Dash 4.5 from the Options dialog"
qs menu $option_command
qs dialog-select $dash_combo 8
qs dialog-press IDOK
qs_expect_no_dialog "after the Options dialog"
e2e_clear_boxes
from=$(($(wc -l <"$log") + 1))
qs keys "TMO" $QS_TRANSMIT_BOX
e2e_check_keying "$log" "$from" "TMO" --format usbif4cw --cpm 100 --weights 1823
heavy_median=$(awk '/^elements:/ { print $5 }' <<<"$E2E_KEYING_FIGURES")
built_in_median=$("$QS_QSTN" keying-check --format usbif4cw --cpm 100 "$E2E_KEYING_PART" TMO |
    awk '/^elements:/ { print $5 }')
echo "dash error median: $heavy_median ms against Dash 4.5, $built_in_median ms against Dash 3"
awk -v heavy="$heavy_median" -v builtIn="$built_in_median" \
    'BEGIN { exit !(heavy < 5 && builtIn > 50) }' ||
    e2e_check_failed "the dashes do not have the Dash 4.5 length (medians $heavy_median, $built_in_median ms)"

auto_cq_stopped_by() {  # WHAT KEYS [CONTROL_ID]
    e2e_clear_boxes
    qs click $auto_cq
    qs wait-text $QS_RECEIVE_WINDOW "TX> CQ CQ" 20000 || e2e_fail "Auto CQ did not start"
    qs keys "${@:2}"
    assert_eq "TX> " "$(qs text $QS_TRANSMIT_BOX)" "the transmit box after $1"
    e2e_wait_file_quiet "$log" 1 10 || e2e_fail "the keying did not end after $1"
    local echo
    echo=$(qs text $QS_RECEIVE_WINDOW)
    [[ "$echo" != *"JA1ABC K"* ]] || e2e_check_failed "Auto CQ went on after $1: [$echo]"
}
e2e_log "Auto CQ stopped by F9"
auto_cq_stopped_by F9 "{F9}" $QS_TRANSMIT_BOX
e2e_log "Auto CQ stopped by a call sign"
auto_cq_stopped_by "a call in HisCall" "JA1XYZ" $his_call
qs_close_discarding
