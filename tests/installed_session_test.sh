#!/usr/bin/env bash
# Installs the build tree into a temporary root, as a package would, and runs
# both installed programs through a reference session: same standard output,
# exit status 0, the report file written; the manual pages are in place and
# read without a warning, installed and from the source tree.
# usage: installed_session_test.sh BUILD_DIR GOLDEN_DIR
set -euo pipefail
build=$1
golden=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
man1=$root/usr/share/man/man1
pages=(valvenet-utf8 valvenet-cp866)
[ -x "$root/usr/bin/valvenet-plan" ] && pages+=(valvenet-plan)
source_man=$(cd "$(dirname "$0")/../man" && pwd)
for page in "${pages[@]}"; do
  for file in "$man1/$page.1" "$source_man/$page.1"; do
    test -s "$file" || { echo "no manual page $file"; exit 1; }
    # A page must read the same from the source tree and installed: no .so.
    ! grep -q '^\.so' "$file" || { echo "$file includes another page by .so"; exit 1; }
    if command -v man >/dev/null; then
      warnings=$(MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null)
      [ -z "$warnings" ] || { echo "$file: $warnings"; exit 1; }
    fi
  done
done
for encoding in utf8 cp866; do
  program=$root/usr/bin/valvenet-$encoding
  case=$golden/$encoding/01-plain-session-save-twice
  test -x "$program" || { echo "valvenet-$encoding not installed"; exit 1; }
  work=$root/work-$encoding
  mkdir "$work"
  status=0
  (cd "$work" && "$program" <"$case/input" >stdout) || status=$?
  [ "$status" = 0 ] || { echo "valvenet-$encoding ended with status $status"; exit 1; }
  cmp "$work/stdout" "$case/stdout" || { echo "valvenet-$encoding: standard output differs"; exit 1; }
  test -s "$work/pi_kontur.txt" || { echo "valvenet-$encoding wrote no pi_kontur.txt"; exit 1; }
done
if [ -x "$root/usr/bin/valvenet-plan" ]; then
  "$root/usr/bin/valvenet-plan" --help >/dev/null || { echo "valvenet-plan --help failed"; exit 1; }
fi
echo "installed programs and manual pages: ok"
