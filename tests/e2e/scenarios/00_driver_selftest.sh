#!/usr/bin/env bash
# The driver itself, against Wine's Notepad: finding the window, typing with
# special keys, reading text back, a real mouse click, a menu command with
# its file dialog, the clipboard, and the save prompt on close.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin driver_selftest

notepad() { qs --class Notepad "$@"; }
readonly edit_id=0        # Wine's Notepad gives its edit no control id
readonly save_as_id=259   # Notepad's File > Save As

(cd "$E2E_OUT" && exec wine notepad >"$E2E_OUT/notepad.log" 2>&1) &
QS_PID=$!  # ended by the scenario's clean-up
qs wait-window Notepad 20000 || e2e_fail "Notepad's window did not appear"

notepad keys 'CQ {{}test}{ENTER}de JA1ABC{BACKSPACE}D' "$edit_id"
assert_eq $'CQ {test}\nde JA1ABD' "$(notepad text "$edit_id")" "typed text"
assert_eq "20 20" "$(notepad selection "$edit_id")" "caret after typing"

notepad click-at 3 3
assert_eq "0 0" "$(notepad selection "$edit_id")" "caret after a click at the top left"

notepad menu "$save_as_id"
assert_contains "$(notepad dialog-text 5000)" "File &name:" "Save As dialog"
notepad file-dialog "$(qs_winpath "$E2E_OUT/saved.txt")" 5000
e2e_wait_file "$E2E_OUT/saved.txt" 5
assert_eq $'CQ {test}\r\nde JA1ABD' "$(cat "$E2E_OUT/saved.txt")" "saved file"

qs clipboard-set "73 de JA1ABC"
assert_eq "73 de JA1ABC" "$(qs clipboard)" "clipboard"

notepad keys ' K'
notepad close
assert_contains "$(notepad dialog-text 5000)" "save the changes" "save prompt"
notepad dialog-press IDNO
echo "driver self-test passed"
