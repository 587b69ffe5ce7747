#!/usr/bin/env bash
# F4 picks the call sign out of the received text: a recording calling CQ
# is decoded live through the virtual sound card, and F4 puts the newest
# call sign of the receive window, in its canonical form, into HisCall.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin call_pickup

his_call=1029

recording="$E2E_OUT/cq.wav"
e2e_morse_wav "$recording" --left "CQ CQ DE JA1ABC JA1ABC K" --right "VVV" --cpm 125
settings="$E2E_OUT/receive.qstn"
e2e_qstn_file write "$settings" "39=$QS_TEST_SOUND_DEVICE" 40=NoiseON2 41=QRMOFF 42=603 \
    43=ThreOFF 44=6 50=-45 51=LeftTone

qs_start
qs_open "$settings"
qs_expect_no_dialog "opening the settings file"
qs_wait_capture_drawn 10 || e2e_fail "the capture did not start"

qs keys "{F4}" $QS_TRANSMIT_BOX
assert_eq "" "$(qs text $his_call)" "F4 before anything was received"

"$QS_ROOT/scripts/virtual-sound-card" play "$recording" || e2e_fail "the recording could not be played"
qs_wait_text_settled $QS_RECEIVE_WINDOW 2 20
received=$(qs text $QS_RECEIVE_WINDOW)
echo "receive window: $received"
[[ "$received" == *JA1ABC* ]] || e2e_fail "the call sign was not decoded: [$received]"
qs keys "{F4}" $QS_TRANSMIT_BOX
assert_eq "JA1ABC" "$(qs text $his_call)" "call sign picked up by F4"
qs_close
