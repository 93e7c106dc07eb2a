#!/usr/bin/env bash
# Builds the Debian package in build-deb/, installs it, tries what it
# installed and removes it again: the desktop entry and the AppStream
# metadata through their validators, the installed tarvo's command line
# against a sample project (the iCalendar file read back by libical, the
# CSV's bytes, the PDF's text through pdftotext, the failures' status and
# message) and a start of the window, which must keep its files in the
# user's home. Run as root on Debian 12; .ci/run runs it after ./test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
SOURCE=$PWD
BUILD=${TARVO_DEB_BUILD:-build-deb}

tools/install-deps.sh package
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTARVO_BENCHMARKS=OFF >/dev/null
cmake --build "$BUILD" -j"$(nproc)"
rm -f "$BUILD"/tarvo_*.deb
(cd "$BUILD" && cpack -G DEB >/dev/null)
version=$(sed -n 's/^project(Tarvo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb=$SOURCE/$BUILD/tarvo_${version}_amd64.deb

fail() { echo "package-test: $*" >&2; exit 1; }
work=$(mktemp -d)
started=
cleanup() {
  if [ -n "$started" ]; then kill "$started" 2>/dev/null || true; fi
  rm -rf "$work"
  if dpkg-query -W -f='${Status}' tarvo 2>/dev/null | grep -q 'install ok installed'; then
    apt-get remove -y -qq tarvo >/dev/null
  fi
}
trap cleanup EXIT

[ -f "$deb" ] || fail "cpack made no $deb"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "dpkg-shlibdeps found no Qt in: $(dpkg-deb -f "$deb" Depends)"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "$deb" >/dev/null
echo "Installed $(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"

# What the package put where.
[ "$(command -v tarvo)" = /usr/bin/tarvo ] || fail "tarvo is not /usr/bin/tarvo on the PATH"
[ "$(tarvo --version)" = "Tarvo $version" ] || fail "tarvo --version says \"$(tarvo --version)\""
for picture in "$SOURCE"/imgs/*.svg; do
  cmp -s "$picture" "/usr/share/tarvo/imgs/$(basename "$picture")" || fail "no $(basename "$picture") in /usr/share/tarvo/imgs"
done
outside=$(dpkg -L tarvo | grep -v -e '^/usr/' -e '^/usr$' -e '^/\.$' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
desktop=/usr/share/applications/org.tarvo.Tarvo.desktop
grep -qx 'Icon=tarvo' "$desktop" || fail "$desktop has no Icon=tarvo"
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses $desktop"
[ -s /usr/share/icons/hicolor/scalable/apps/tarvo.svg ] || fail "no scalable icon"
appstreamcli validate --no-net /usr/share/metainfo/org.tarvo.Tarvo.metainfo.xml >/dev/null \
  || fail "appstreamcli refuses the metainfo: $(appstreamcli validate --no-net /usr/share/metainfo/org.tarvo.Tarvo.metainfo.xml)"
zcat /usr/share/man/man1/tarvo.1.gz | grep -q -- 'export\\-ics' || fail "the man page does not tell the options"

# The command line, as a cron job runs it: no display, not even a try.
cp tests/data/sample.gpj "$work/sample.gpj"
run() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 tarvo "$@"; }
(cd "$work" && run --export-csv sample.gpj plan.csv && run --export-ics sample.gpj plan.ics && run --export-pdf sample.gpj plan.pdf) \
  || fail "an export failed"
cmp "$work/plan.csv" tests/data/sample.csv || fail "the CSV differs from tests/data/sample.csv"
cc -o "$work/ics-events" tools/ics-events.c $(pkg-config --cflags --libs libical)
"$work/ics-events" "$work/plan.ics" > "$work/events.txt" || fail "libical does not read plan.ics"
diff -u tests/data/sample-events.txt "$work/events.txt" || fail "the iCalendar events differ"
pdftotext -layout "$work/plan.pdf" - | tr -s ' \n' ' ' > "$work/pdf.txt"
for text in "Garden Shed" "Walls, roof & door" "Hang the Tür 4 Mar 2027 – 4 Mar 2027" "Timeline" "Page 3 of 3"; do
  grep -qF "$text" "$work/pdf.txt" || fail "the PDF does not show \"$text\""
done
rm "$work/ics-events" "$work/events.txt" "$work/pdf.txt"

# Failures: the status, one line naming the file, and nothing written.
printf '[Notes]\r\n' > "$work/notes.txt"
before=$(ls -A "$work")
expect() {   # status, message, arguments...
  local status=$1 message=$2 got=0
  shift 2
  run "$@" 2> "$work/.err" || got=$?
  [ "$got" = "$status" ] || fail "tarvo $* ended with $got, not $status"
  [ "$(cat "$work/.err")" = "$message" ] || fail "tarvo $* said \"$(cat "$work/.err")\", not \"$message\""
  rm "$work/.err"
  [ "$(ls -A "$work")" = "$before" ] || fail "tarvo $* left $(ls -A "$work")"
}
expect 1 "tarvo: cannot read the project \"$work/missing.gpj\": No such file or directory" \
  --export-ics "$work/missing.gpj" "$work/out.ics"
expect 1 "tarvo: \"$work/notes.txt\" is not a Tarvo project: it has no [Project] or [Goals] section" \
  --export-csv "$work/notes.txt" "$work/out.csv"
expect 1 "tarvo: cannot write \"$work/gone/out.pdf\": No such file or directory" \
  --export-pdf "$work/sample.gpj" "$work/gone/out.pdf"
expect 2 "tarvo: --export-csv needs a project file and an output file" --export-csv "$work/sample.gpj"

# The window of a system install keeps the user's files in their home and
# reads the installed pictures; nothing is written beside /usr.
mkdir "$work/home"
HOME=$work/home XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen tarvo 2>/dev/null &
started=$!
for _ in $(seq 600); do   # a minute at most, on a busy machine
  [ -e "$work/home/.local/share/Tarvo/tmp/.tarvo.lock" ] && break
  sleep 0.1
done
[ -e "$work/home/.local/share/Tarvo/tmp/.tarvo.lock" ] || fail "the window kept no lock in ~/.local/share/Tarvo/tmp"
kill "$started"
wait "$started" 2>/dev/null || true
started=
[ "$(readlink "$work/home/.local/share/Tarvo/imgs")" = /usr/share/tarvo/imgs ] || fail "the window does not read /usr/share/tarvo/imgs"
for beside in /usr/bin/tmp /usr/bin/projects /usr/share/tarvo/tmp /usr/share/tarvo/projects; do
  [ ! -e "$beside" ] || fail "the window wrote $beside"
done

apt-get remove -y -qq tarvo >/dev/null
[ ! -e /usr/bin/tarvo ] || fail "apt-get remove left /usr/bin/tarvo"
echo "package-test: $(basename "$deb") built, installed, tried and removed; all checks passed"
