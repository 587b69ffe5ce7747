#!/usr/bin/env bash
# The Sound menu without a settings file: Sound Right starts the capture on
# the first listed device (the system's default, here the virtual sound
# card) and the right channel is decoded; Sound Left while capturing changes
# only the channel, from the next block on; Input Vol without a volume mixer
# program says so. Changes made before any document was applied do not ask
# to be saved.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin sound_menu

recording="$E2E_OUT/two-channels.wav"
e2e_morse_wav "$recording" --left "PARIS PARIS" --right "VVV VVV VVV" --cpm 125
right_reference=$("$QS_QSTN" decode --channel right --tone=28 --nr=2 --threshold=-45 "$recording")
left_reference=$("$QS_QSTN" decode --channel left --tone=28 --nr=2 --threshold=-45 "$recording")
echo "reference decodes: right [$right_reference], left [$left_reference]"

# Plays the recording and prints what it added to the receive window.
play_and_read() {
    local before after
    before=$(qs text $QS_RECEIVE_WINDOW)
    "$QS_ROOT/scripts/virtual-sound-card" play "$recording" ||
        e2e_fail "the recording could not be played"
    qs_wait_text_settled $QS_RECEIVE_WINDOW 2 20
    after=$(qs text $QS_RECEIVE_WINDOW)
    echo "${after#"$before"}"
}

qs_start
qs menu $QS_CMD_SOUND_RIGHT
qs_expect_no_dialog "Sound Right"
qs_wait_capture_drawn 10 || e2e_fail "Sound Right did not start the capture"
right=$(play_and_read)
echo "after Sound Right: [$right]"
assert_decoded "$right_reference" "${right#RX> }" "right channel"

qs menu $QS_CMD_SOUND_LEFT
left=$(play_and_read)
echo "after Sound Left: [$left]"
assert_decoded "$left_reference" "$left" "left channel"
qs_screenshot both_channels

qs menu $QS_CMD_INPUT_VOLUME
assert_eq "Can't open SoundSystem." "$(qs dialog-text 5000)" "Input Vol without a mixer"
qs dialog-press IDOK
qs_close
