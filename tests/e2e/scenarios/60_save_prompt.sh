#!/usr/bin/env bash
# Closing with a modified document asks to save: after a settings file has
# been opened, a click on NR1 writes its slot; closing then asks, Yes saves
# the change into the file, No leaves the file as it is. An unchanged
# document closes without asking.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin save_prompt

settings="$E2E_OUT/station.qstn"
e2e_qstn_file write "$settings" 40=NoiseON2 45=JA1ABC

qs_start
qs_open "$settings"
qs click $QS_NR1
assert_eq 1 "$(qs checked $QS_NR1)" "NR1 after the click"
assert_eq 0 "$(qs checked $QS_NR2)" "NR2 after the click on NR1"
qs close
prompt=$(qs dialog-text 5000) || e2e_fail "no save prompt for a modified document"
echo "save prompt: $prompt"
qs dialog-press IDYES
qs_wait_exit 10 || e2e_fail "the program did not end after saving"
assert_eq $'40=NoiseON1\n45=JA1ABC' "$(e2e_qstn_file dump "$settings")" "saved settings"

qs_start
qs_open "$settings"
assert_eq 1 "$(qs checked $QS_NR1)" "NR1 from the saved file"
qs click $QS_NR1
qs close
qs dialog-text 5000 >/dev/null || e2e_fail "no save prompt for the second change"
qs dialog-press IDNO
qs_wait_exit 10 || e2e_fail "the program did not end after No"
assert_eq $'40=NoiseON1\n45=JA1ABC' "$(e2e_qstn_file dump "$settings")" "settings after No"

qs_start
qs_open "$settings"
qs_close
