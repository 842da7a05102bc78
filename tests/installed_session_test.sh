#!/usr/bin/env bash
# Installs the build tree into a temporary root, as a package would, and runs
# both installed programs through a reference session: same standard output,
# exit status 0, the report file written; the manual pages are in place.
# usage: installed_session_test.sh BUILD_DIR GOLDEN_DIR
set -euo pipefail
build=$1
golden=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
man1=$root/usr/share/man/man1
test -s "$man1/valvenet-utf8.1" || { echo "no manual page valvenet-utf8.1"; exit 1; }
# The code page 866 page is a link to the other by .so: its target must be there.
so=$(sed -n 's/^\.so //p' "$man1/valvenet-cp866.1")
test -s "$root/usr/share/man/$so" || { echo "valvenet-cp866.1 points to a missing $so"; exit 1; }

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
echo "installed programs and manual pages: ok"
