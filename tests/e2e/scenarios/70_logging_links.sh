#!/usr/bin/env bash
# The HamLog and Logger32 links with their Windows messengers, run by
# qs_link_probe.exe, against the two stand-ins: the messages match the
# interfaces byte for byte, and a stand-in that never answers, answers
# garbage, hangs or exits mid-message leaves the link responsive and the
# contact fields intact.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin logging_links

probe() { timeout 60 wine "$(e2e_standins_dir)/qs_link_probe.exe" "$@" | tr -d '\r'; }
readonly contact=(fields JA1ABC OP tokyo 5NN 579)

# A log's lines with date and time replaced by their shapes.
shapes() { sed -E 's|^2 8 [0-9]{2}/[0-9]{2}/[0-9]{2}$|2 8 YY/MM/DD|; s|^3 6 [0-9]{2}:[0-9]{2}J$|3 6 HH:MMJ|' "$1"; }

e2e_log "HamLog: two transfers of JA1ABC, SAVE, PTT"
log=$E2E_OUT/hamlog.log
e2e_start_hamlog "$log"
out=$(probe "${contact[@]}" qso-f6 qso save fields? ptt on ptt off)
assert_eq $'focus tx\nsave on\nfocus tx\nsave on\nsave off\nfocus tx\nfields ||' "$out" \
    "what the link reported"
test_lines=$'101 0 -\n1 4 ****\n101 0 -\n1 0 -'
details=$'7 2 CW\n11 3 OP\\x00\n12 6 TOKYO\\x00\n4 3 599\n5 3 579\n26 0 -'
expected="$test_lines"$'\n16 0 -\n'"$details"$'\n196609 6 JA1ABC\n'
expected+="$test_lines"$'\n'"$details"$'\n103 0 -\n2 8 YY/MM/DD\n3 6 HH:MMJ\n'
expected+="$test_lines"$'\n524306 0 -\n23 0 -\n24 0 -'
assert_eq "$expected" "$(shapes "$log")" "HamLog's message log"
e2e_stop_standin

e2e_log "HamLog: Ctrl+F1 and Ctrl+F2 fill the fields from the answers"
e2e_start_hamlog "$log" --call JA1XYZ --name HANAKO
assert_eq "fields JA1XYZ|HANAKO|" "$(probe query 1 query 2 fields?)" "fields after the queries"
e2e_stop_standin

e2e_log "HamLog absent"
assert_eq $'notice HamLog not found\\r\\n\nresume\nbox Pls start HamLog\nresume' \
    "$(probe "${contact[@]}" qso-f6 qso)" "QSO without HamLog"

e2e_log "HamLog misbehaving"
for fault in "--answers never" "--answers nonul" "--answers oversized" "--answers invalid" \
    "--hang-on 101" "--close-on 11"; do
    # shellcheck disable=SC2086
    e2e_start_hamlog "$log" --call K1AB $fault
    started=$(date +%s)
    out=$(probe "${contact[@]}" qso-f6 fields? qso fields?) ||
        e2e_fail "$fault: the probe did not finish"
    assert_contains "$out" "fields JA1ABC|OP|tokyo"$'\n' "$fault: fields after QSO"
    [ $(($(date +%s) - started)) -le 20 ] || e2e_check_failed "$fault: took over 20 s"
    case "$fault" in
        *never* | *oversized* | *invalid*)
            assert_contains "$out" "notice Can't send data to HamLog" "$fault: F6 failure" ;;
        *hang* | *close*)
            assert_contains "$out" "notice HamLog not found" "$fault: F6 failure"
            assert_contains "$out" "box Pls start HamLog" "$fault: button failure" ;;
        *) assert_contains "$out" "save on" "$fault: transfer" ;;
    esac
    e2e_stop_standin
done

e2e_log "Logger32: absent, then the handshake and the records"
assert_eq 'line Logger32 not found\r\n' "$(probe logger32 logger32-tick)" "search without Logger32"
log=$E2E_OUT/logger32.log
e2e_start_logger32 "$log" --garbage
out=$(probe logger32 fields JA1ABC OP - - - logger32-tick pump 1500 qso save clear fields?)
assert_eq $'line Logger32 found\\r\\n\nline Connected Logger32 1\\r\\n\nline Connection accepted\\r\\n\nsave off\nfields ||' \
    "$out" "handshake"
assert_eq $'request Logger32 1\nack Logger32 1\nrecord <CALL:6>JA1ABC<NAME:2>OP0\nrecord <APP_LOGQSO:0>0\nrecord <CALL:0><RST_RCVD:0><RST_SENT:0><NAME:0><QTH:0>0' \
    "$(cat "$log")" "Logger32's message log"
e2e_stop_standin

e2e_log "Logger32 rejecting every name"
e2e_start_logger32 "$log" --reject 12345
out=$(probe logger32 logger32-tick pump 2500)
assert_contains "$out" 'line Attempting connection with Logger32 5\r\n' "the fifth name"
assert_contains "$out" $'line Connection rejected\\r\\n\nline Unable to connect to Logger32\\r\\n' \
    "giving up"
assert_eq $'request Logger32 1\nrequest Logger32 2\nrequest Logger32 3\nrequest Logger32 4\nrequest Logger32 5' \
    "$(cat "$log")" "requests on the five names"
e2e_stop_standin

e2e_log "Logger32 exiting while it takes a record"
e2e_start_logger32 "$log" --close-on-record
out=$(probe logger32 fields JA1ABC OP - - - logger32-tick pump 1500 qso save fields?) ||
    e2e_fail "the probe did not finish"
assert_contains "$out" "fields JA1ABC|OP|" "fields after the lost record"
assert_eq "record <CALL:6>JA1ABC<NAME:2>OP0" "$(tail -n1 "$log")" "the record in flight"
e2e_stop_standin
echo "logging links passed"
