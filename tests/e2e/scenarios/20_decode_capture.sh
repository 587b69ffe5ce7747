#!/usr/bin/env bash
# Live receive: a settings file naming a capture device that is not listed
# is refused with its message before anything after the device is applied;
# a settings file that names the virtual sound card's capture device and the
# left channel starts capture when it is opened; a Morse recording played
# into the card appears decoded in the receive window as qstn decode reads
# the same recording, the right channel's different text does not, and the
# level and spectrum displays draw while it plays.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin decode_capture

"$QS_QSTN" decode --help 2>/dev/null | grep -q -- --channel ||
    e2e_fail "qstn decode is not built ($QS_QSTN)"

recording="$E2E_OUT/cq.wav"
e2e_morse_wav "$recording" --left "CQ CQ DE JA1ABC JA1ABC K" --right "VVV VVV TEST" --cpm 125
reference=$("$QS_QSTN" decode --channel left --tone=28 --nr=2 --threshold=-45 "$recording")
echo "reference decode: $reference"

settings="$E2E_OUT/receive.qstn"
e2e_qstn_file write "$settings" "39=$QS_TEST_SOUND_DEVICE" 40=NoiseON2 41=QRMOFF 42=603 \
    43=ThreOFF 44=6 50=-45 51=LeftTone

unlisted="$E2E_OUT/unlisted-device.qstn"
e2e_qstn_file write "$unlisted" "39=No Such Device" 40=NoiseON1 51=LeftTone

qs_start
qs_open "$unlisted"
unlisted_message=$'Can\'t find Sound Device [No Such Device].\n'
unlisted_message+=' Pls select correct Sound Device before the file open.'
assert_eq "$unlisted_message" "$(qs dialog-text 5000)" "message for a device that is not listed"
qs dialog-press IDOK
qs_expect_no_dialog "after the unlisted-device message"
assert_eq 0 "$(qs checked $QS_NR1)" "NR1 from a file whose device is not listed"

qs_open "$settings"
qs_expect_no_dialog "opening the settings file"
assert_eq "$QS_TEST_SOUND_DEVICE" "$(qs combo $QS_SOUND_DEVICE)" "selected sound device"
assert_eq "603Hz" "$(qs text $QS_TONE_LABEL)" "tone label"
assert_eq "Threshold -45db" "$(qs text $QS_THRESHOLD_LABEL)" "threshold label"

waited_from_s=$SECONDS
qs_wait_capture_drawn 10 || e2e_fail "the capture did not start"
e2e_log "first captured block drawn after $((SECONDS - waited_from_s)) s or less"

duration_s=$((($(stat -c %s "$recording") - 44) / 44100 + 1))
e2e_background "$QS_ROOT/scripts/virtual-sound-card" play "$recording"
player=$!
sleep $((duration_s / 2))
qs_screenshot playing_1
sleep 1
qs_screenshot playing_2
for display in $QS_LEVEL_DISPLAY $QS_SPECTRUM_DISPLAY; do
    for shot in playing_1 playing_2; do
        qs_crop_control "$E2E_OUT/$shot-screen.png" "$display" "$E2E_OUT/$shot-$display.png"
        busy=$(e2e_image_busy_permille "$E2E_OUT/$shot-$display.png")
        [ "$busy" -ge 10 ] ||
            e2e_check_failed "display $display is blank in $shot ($busy per mille drawn)"
    done
    changed=$(e2e_image_difference "$E2E_OUT/playing_1-$display.png" "$E2E_OUT/playing_2-$display.png")
    [ "$changed" -gt 0 ] ||
        e2e_check_failed "display $display did not change while the signal played"
done

wait "$player" || e2e_fail "the recording could not be played"
qs_wait_text_settled $QS_RECEIVE_WINDOW 2 20
received=$(qs text $QS_RECEIVE_WINDOW)
qs_screenshot decoded
echo "receive window: $received"
[[ "$received" == "RX> "* ]] || e2e_check_failed "receive window lost its prompt: [$received]"
assert_decoded "$reference" "${received#RX> }" "decoded text"
[[ "$received" != *VVV* ]] || e2e_check_failed "the right channel was decoded: [$received]"
qs_close
