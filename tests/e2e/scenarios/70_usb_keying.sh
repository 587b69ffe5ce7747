#!/usr/bin/env bash
# The USB keying interface through a test-only usbif4cw.dll that logs every
# call with a time stamp. Without the library, choosing USBIF4CW says it was
# not found and leaves no port selected. With it beside the program, text
# typed into the transmit box at 100/Min is keyed as exactly its Morse (the
# errors of elements and gaps against their ideal lengths are printed, see
# e2e_send_and_check), and echoed as
# "TX> CQ DE JA1ABC" in blue. Closing the program while it sends leaves the
# key up and the interface closed. In the 32-bit build both the stdcall and
# the cdecl library are used; the 64-bit build has one convention.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin usb_keying

text="CQ DE JA1ABC"
not_found=$'USBIF4CWが見つかりませんでした。'

qs_start
assert_eq "COM1 RTS" "$(qs text $QS_PORT_LABEL)" "port label at first start"
qs menu $QS_CMD_USBIF4CW
assert_eq "$not_found" "$(qs dialog-text 5000 | head -n1)" "message without usbif4cw.dll"
qs dialog-press IDOK
assert_eq "" "$(qs text $QS_PORT_LABEL)" "port label without usbif4cw.dll"
qs_close

conventions=(stdcall)
[ "$QS_E2E_ARCH" = win32 ] && conventions=(stdcall cdecl)
for convention in "${conventions[@]}"; do
    e2e_log "usbif4cw.dll with the $convention convention"
    folder="$E2E_OUT/program-$convention"
    mkdir -p "$folder"
    cp "$QS_PROGRAM" "$folder/"
    cp "$QS_USBIF4CW_DIR/$convention/usbif4cw.dll" "$folder/"
    log="$E2E_OUT/usbif4cw-$convention.log"
    export QS_USBIF4CW_LOG
    QS_USBIF4CW_LOG=$(qs_winpath "$log")
    QS_PROGRAM="$folder/Quillstone.exe" qs_start

    qs menu $QS_CMD_USBIF4CW
    qs_expect_no_dialog "USBIF4CW with the library"
    assert_eq "USBIF4CW" "$(qs text $QS_PORT_LABEL)" "port label"
    qs menu $QS_CMD_SOUND_LEFT
    qs_wait_capture_drawn 10 || e2e_fail "the capture did not start"

    e2e_send_and_check "$log" "$text" --format usbif4cw --cpm 100
    qs_screenshot "sent-$convention"
    blue=$(e2e_blue_pixels "$E2E_OUT/sent-$convention-screen.png" $QS_RECEIVE_WINDOW)
    [ "$blue" -ge 20 ] || e2e_check_failed "the echo is not blue ($blue blue pixels)"

    # Closed while sending: the key goes up, the interface is closed.
    qs keys " PARIS PARIS PARIS" $QS_TRANSMIT_BOX
    sleep 1.2
    qs_close_discarding
    last_two=$(tail -n2 "$log" | tr -d '\r' | cut -d' ' -f2-)
    assert_eq $'write 1 0 255\nclose 1' "$last_two" "the last calls after closing while sending"
done
