#!/usr/bin/env bash
# check-package-files.sh desktop ENTRY | metainfo FILE | lintian
# Runs one of the checks a Debian package and the desktops' software centres
# make of the program's files; exits 77 (skipped) when the checker is not
# installed or, for lintian, when no package was built (./test builds it
# only as root, in ZQ_TEST_PACKAGE).
set -uo pipefail

skip() {
  echo "skipped: $*"
  exit 77
}

case "$1" in
  desktop)
    command -v desktop-file-validate >/dev/null || skip "desktop-file-validate is not installed"
    # Any output is a complaint, errors and warnings alike.
    output=$(desktop-file-validate "$2" 2>&1)
    status=$?
    echo "$output"
    [ $status -eq 0 ] && [ -z "$output" ]
    ;;
  metainfo)
    command -v appstreamcli >/dev/null || skip "appstreamcli is not installed"
    # Exit 0: no errors and no warnings (infos and pedantic hints pass).
    appstreamcli validate --no-net --explain "$2"
    ;;
  lintian)
    command -v lintian >/dev/null || skip "lintian is not installed"
    [ -n "${ZQ_TEST_PACKAGE:-}" ] || skip "no package: ./test builds it only when run as root"
    lintian --fail-on error,warning --tag-display-limit 0 -I "$ZQ_TEST_PACKAGE"
    ;;
  *)
    echo "unknown check: $1" >&2
    exit 2
    ;;
esac
