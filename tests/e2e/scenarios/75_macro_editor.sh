#!/usr/bin/env bash
# The macro editor: a right click on a macro label opens "Edit macro" for
# that macro; the text typed, a new caption and the colour stepped by
# "Caption" are stored by OK, so that Save writes them into the macro's
# slots (text 9, caption 21, colour 33) and opening the file again brings
# them back. Cancel changes nothing. A left click then queues the new text.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin macro_editor

macro9_label=1013
editor_text=1029
editor_caption=1030
editor_colour=1031
editor_caption_button=1000

qs_start
qs move 0 0 1200 560  # the whole form with the macro labels in view
qs right-click $macro9_label
assert_contains "$(qs dialog-text 5000)" "Edit Macro9" "editor title"
assert_eq "0" "$(qs dialog-item $editor_colour)" "colour index shown"
qs keys "cq test de <MyCall>"
qs dialog-click $editor_caption_button
qs dialog-click $editor_caption_button
assert_eq "2" "$(qs dialog-item $editor_colour)" "colour after two Caption presses"
qs dialog-press IDOK
qs_expect_no_dialog "after OK"
assert_eq "macro9" "$(qs text $macro9_label)" "caption unchanged"

qs right-click $macro9_label
assert_eq "cq test de <MyCall>" "$(qs dialog-item $editor_text)" "text stored by OK"
assert_eq "2" "$(qs dialog-item $editor_colour)" "colour stored by OK"
qs keys "{END} more"
qs dialog-press IDCANCEL
qs_expect_no_dialog "after Cancel"

saved="$E2E_OUT/macros.qstn"
qs_save_as "$saved"
dump=$(e2e_qstn_file dump "$saved")
echo "$dump"
assert_contains "$dump" "9=cq test de <MyCall>"$'\n' "slot 9 holds the text"
assert_contains "$dump" "33=2" "slot 33 holds the colour index"
[[ "$dump" != *"21="* ]] || e2e_check_failed "the unchanged caption was stored: [$dump]"

qs click $macro9_label
assert_eq "TX> CQ TEST DE" "$(qs text $QS_TRANSMIT_BOX)" "a click queues the edited macro"
qs_close

qs_start
qs move 0 0 1200 560  # the whole form with the macro labels in view
qs_open "$saved"
qs right-click $macro9_label
assert_eq "cq test de <MyCall>" "$(qs dialog-item $editor_text)" "text after opening the file"
assert_eq "2" "$(qs dialog-item $editor_colour)" "colour after opening the file"
assert_eq "macro9" "$(qs dialog-item $editor_caption)" "caption after opening the file"
qs dialog-press IDCANCEL
qs_close
