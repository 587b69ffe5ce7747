#!/usr/bin/env bash
# PTT through HamLog (option position 19 "H"). Without HamLog the first
# character to send brings the message box "Hamlog not found" and is
# dropped; once the HamLog stand-in runs, the link test repeated while PTT
# cannot be switched finds it, and a sent text is framed by HamLog's PTT-on
# (23) and PTT-off (24) messages, each without data. A macro's <VK_F6>
# tag runs the QSO transfer when the keying reaches it.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin hamlog_ptt

settings="$E2E_OUT/hamlog-ptt.qstn"
e2e_qstn_file write "$settings" "39=$QS_TEST_SOUND_DEVICE" 49=NMYNN1123CN5001218HHCN 51=LeftTone \
    "2=tu <VK_F6>"
log=$E2E_OUT/hamlog.log

qs_start_opening "$settings"
qs_wait_capture_drawn 10 || e2e_fail "the capture did not start"

e2e_log "no HamLog: the first character is refused"
qs keys "T" $QS_TRANSMIT_BOX
assert_contains "$(qs dialog-text 15000)" "Hamlog not found" "the message without HamLog"
qs dialog-press IDOK
# The refused "T" was echoed when it was fetched, before PTT was asked for.
qs wait-text $QS_RECEIVE_WINDOW "TX> T" 5000 || e2e_fail "no echo: [$(qs text $QS_RECEIVE_WINDOW)]"

e2e_log "HamLog started: the repeated link test finds it"
e2e_start_hamlog "$log"
for _ in $(seq 80); do grep -q '^1 4 \*\*\*\*$' "$log" && break; sleep 0.25; done
grep -q '^1 4 \*\*\*\*$' "$log" || e2e_fail "no link test reached HamLog: [$(cat "$log")]"
sleep 1

# Receiving went on meanwhile: what the noise decodes to is cleared away.
qs click 1003
qs keys "EE" $QS_TRANSMIT_BOX
qs wait-text $QS_RECEIVE_WINDOW "TX> EE" 20000 || e2e_fail "no echo: [$(qs text $QS_RECEIVE_WINDOW)]"
for _ in $(seq 40); do grep -q '^24 0 -$' "$log" && break; sleep 0.25; done
assert_eq $'23 0 -\n24 0 -' "$(grep -E '^2[34] ' "$log" || true)" "PTT on, then off, through HamLog"
qs_expect_no_dialog "sending through HamLog's PTT"

e2e_log "a macro's <VK_F6> transfers the contact when it is keyed"
: >"$log"
qs keys "JA1ABC" 1029
qs click 1003
qs keys "{SHIFT+F2}" $QS_TRANSMIT_BOX
qs wait-text $QS_RECEIVE_WINDOW "TX> TU" 20000 || e2e_fail "no echo of macro 2"
for _ in $(seq 40); do grep -q '^196609 6 JA1ABC$' "$log" && break; sleep 0.25; done
assert_contains "$(cat "$log")" "196609 6 JA1ABC" "the call written by <VK_F6>"
qs_expect_no_dialog "after <VK_F6>"
qs_close_discarding
