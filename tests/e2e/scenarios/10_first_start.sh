#!/usr/bin/env bash
# First start with an empty registry and no document: the frame's default
# placement, the built-in state of every control the one-time set-up fills,
# the capture device list, the emptied clipboard; closing asks nothing and
# stores the placement.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin first_start

qs clipboard-set "left over from another program"
qs_start
assert_eq "10 10 907 399" "$(qs window-rect)" "frame placement"
qs_screenshot first_start  # once the program has handled the driver's request
assert_contains "$(qs title)" "Quillstone" "window title"

assert_eq "100/Min" "$(qs text $QS_RX_SPEED_LABEL)" "receive speed label"
assert_eq "100/Min" "$(qs text $QS_TX_SPEED_LABEL)" "transmit speed label"
assert_eq 15 "$(qs trackbar $QS_RX_SPEED_SLIDER)" "receive speed position"
assert_eq 15 "$(qs trackbar $QS_TX_SPEED_SLIDER)" "transmit speed position"
assert_eq 6 "$(qs trackbar $QS_INPUT_VOLUME_SLIDER)" "input volume position"

assert_eq 1 "$(qs checked $QS_RX_SPEED_AUTO)" "speed Auto"
assert_eq 0 "$(qs checked $QS_NR1)" "NR1"
assert_eq 1 "$(qs checked $QS_NR2)" "NR2"
assert_eq 0 "$(qs checked $QS_QRM)" "QRM filter"
assert_eq 0 "$(qs checked $QS_TONE_AUTO)" "tone Auto"
assert_eq 0 "$(qs checked $QS_THRESHOLD_AUTO)" "threshold Auto"

assert_eq "AUTO" "$(qs combo $QS_GREETING)" "greeting"
assert_eq $'GM\nGA\nGE\nAUTO' "$(qs combo-items $QS_GREETING)" "greeting list"
assert_eq "5NN" "$(qs combo $QS_HIS_RST)" "His RST"
assert_eq "5NN" "$(qs combo $QS_MY_RST)" "My RST"
assert_eq $'5NN\n57N\n55N\n53N\n51N\n599 5NN\n5NN FB' "$(qs combo-items $QS_HIS_RST)" \
    "His RST list"
assert_eq $'5NN\n57N\n55N\n53N\n51N' "$(qs combo-items $QS_MY_RST)" "My RST list"

devices=$(qs capture-devices)
assert_contains "$devices" "$QS_TEST_SOUND_DEVICE" "DirectSound capture devices"
assert_eq "$devices" "$(qs combo-items $QS_SOUND_DEVICE)" "sound device list"
assert_eq "$(head -n1 <<<"$devices")" "$(qs combo $QS_SOUND_DEVICE)" "selected sound device"

assert_eq 1 "$(qs visible $QS_UPPER_SCALE)" "upper frequency scale shown"
assert_eq 0 "$(qs visible $QS_LOWER_SCALE)" "lower frequency scale hidden"
assert_eq "RX> " "$(qs text $QS_RECEIVE_WINDOW)" "receive window"
assert_eq "TX> " "$(qs text $QS_TRANSMIT_BOX)" "transmit box"
assert_eq "" "$(qs clipboard)" "clipboard after start"

qs_close
for value in left:10 top:10 right:907 bottom:399; do
    assert_eq "${value#*:}" "$(qs_registry_value "${value%%:*}")" "stored ${value%%:*}"
done
