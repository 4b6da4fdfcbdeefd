#!/usr/bin/env bash
# lintian finds neither errors nor warnings in the package. The README lists
# the informational tags that are left, and why.
. "$(dirname "$0")/common.sh"
status=0
lintian --fail-on error,warning "$(package_file)" || status=$?
[ "$status" -eq 0 ] || fail "lintian reported errors or warnings"
echo "lintian: no errors or warnings"
