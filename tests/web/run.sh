#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veloria developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The page's tests: the desktop's saved games written by the desktop build's tool, the pinned npm
# packages, then node's test runner against Debian's chromium, the site served on 127.0.0.1.
# usage: tests/web/run.sh [web build folder] [desktop build folder] [screenshot folder]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
web=$(cd "${1:-$root/build/web}" && pwd)
desktop=$(cd "${2:-$root/build/ci}" && pwd)
fixtures=$(mktemp -d)
shots=${3:-}
[ -z "$shots" ] || { mkdir -p "$shots" && shots=$(cd "$shots" && pwd); }
trap 'rm -rf "$fixtures"' EXIT
"$desktop/bin/veloria_web_fixtures" "$fixtures"
cd "$here"
npm ci --no-audit --no-fund --loglevel=error
VELORIA_SITE="$web/site" VELORIA_FIXTURES="$fixtures" VELORIA_SCREENSHOTS="$shots" node --test
