#!/usr/bin/env bash
# The frame's placement survives a restart: moved and resized, closed,
# started again, it comes back at the same rectangle, which the registry
# holds as left, top, width and height. Closing while minimised stores
# nothing.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
e2e_scenario_begin placement

qs_start
assert_eq "10 10 907 399" "$(qs window-rect)" "first placement"
# Smaller than the form's own size, so that fitting the frame to the form
# at start cannot change it.
qs move 120 80 860 380
assert_eq "120 80 860 380" "$(qs window-rect)" "moved placement"
qs_close
for value in left:120 top:80 right:860 bottom:380; do
    assert_eq "${value#*:}" "$(qs_registry_value "${value%%:*}")" "stored ${value%%:*}"
done

qs_start
assert_eq "120 80 860 380" "$(qs window-rect)" "placement after a restart"
qs_screenshot restarted
qs minimize
qs_close
assert_eq 120 "$(qs_registry_value left)" "left after closing minimised"
assert_eq 80 "$(qs_registry_value top)" "top after closing minimised"

qs_start
assert_eq "120 80 860 380" "$(qs window-rect)" "placement after closing minimised"
qs_close
