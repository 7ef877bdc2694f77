#!/bin/sh
# Renders a manual page as man(1) shows it and fails on any warning of man or groff
# (every groff warning category is on), or on a page without its NAME section.
# Usage: check_man_page.sh PAGE[.gz] [QIRO_BATCH]
#   With QIRO_BATCH, every operation its --help lists must appear in the page as well.
set -u
page=$1
batch=${2:-}

if [ ! -f "$page" ]; then
  echo "FAIL: $page does not exist (build the qiro_man target first)"
  exit 1
fi
if command -v man >/dev/null 2>&1; then
  tool="man --warnings=w"
  # man-db's sandbox may be refused inside containers; it only guards untrusted pages.
  render() { MAN_DISABLE_SECCOMP=1 MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings=w -E UTF-8 -l "$page"; }
elif command -v groff >/dev/null 2>&1; then
  tool="groff -ww"
  render() { gzip -dcf "$page" | LC_ALL=C.UTF-8 groff -k -ww -man -Tutf8; }
else
  echo "SKIPPED: neither man (man-db) nor groff (groff-base) is installed; 'scripts/setup test' installs them"
  exit 77
fi

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
render >"$dir/out" 2>"$dir/err"
status=$?
if [ "$status" -ne 0 ] || [ -s "$dir/err" ]; then
  echo "FAIL: $tool on $page (exit $status):"
  cat "$dir/err"
  exit 1
fi
if ! grep -q '^NAME$' "$dir/out"; then
  echo "FAIL: $page renders without a NAME section"
  exit 1
fi

if [ -n "$batch" ]; then
  operations=$("$batch" --help | sed -n 's/^  \([A-Za-z][A-Za-z0-9_]*\)(.*)$/\1/p')
  if [ -z "$operations" ]; then
    echo "FAIL: $batch --help lists no operations"
    exit 1
  fi
  missing=0
  for op in $operations; do
    if ! grep -qw -- "$op" "$dir/out"; then
      echo "FAIL: operation $op of --help is missing from $page"
      missing=1
    fi
  done
  [ "$missing" -eq 0 ] || exit 1
  echo "$(echo "$operations" | wc -l) operations of --help all in the page"
fi
echo "OK: $tool shows $page without warnings"
