#!/bin/bash

# SPDX-FileCopyrightText: 2026 The Quorix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# startfails.sh PATTERN COMMAND...: passes when COMMAND exits with status 1,
# having written a line matching PATTERN (grep -E) to standard error, and
# left no core dump (an abort would give 134).
pattern=$1
shift
err=$(ulimit -c 0; "$@" 2>&1 >/dev/null)
status=$?
printf '%s\n' "$err"
if [ "$status" -ne 1 ]; then
    echo "startfails.sh: exit status $status, not 1"
    exit 1
fi
grep -Eq -- "$pattern" <<<"$err" || { echo "startfails.sh: no line matches: $pattern"; exit 1; }
