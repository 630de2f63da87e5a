#!/bin/sh
# The exports of the command line, run as a user runs them.
#   cli_test.sh <program> <sample project>
set -u
program=$1 sample=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A configuration of its own, so that the user's working language does not matter.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# run <name> <expected exit code> <text expected on stderr, or -> args...; $launch, when set,
# runs the program.
launch=
run() {
    name=$1 expected=$2 message=$3
    shift 3
    $launch "$program" "$@" >"$work/out.txt" 2>"$work/err.txt"
    rc=$?
    [ "$rc" -eq "$expected" ] || { fail "$name: exit code $rc, expected $expected"; cat "$work/err.txt"; }
    if [ "$message" != "-" ] && ! grep -qF -- "$message" "$work/err.txt"; then
        fail "$name: stderr does not name '$message'"
        cat "$work/err.txt"
    fi
}

# ---- Exports that succeed ----
run "pdf and csv" 0 - --pdf "$work/r.pdf" --csv "$work/l.csv" "$sample"
head -c 5 "$work/r.pdf" | grep -q '%PDF-' || fail "the report is not a PDF"
lines=$(grep -c '"code"' "$sample")
rows=$(wc -l <"$work/l.csv")
[ "$rows" -eq $((lines + 2)) ] || fail "CSV has $rows lines, expected $lines parts + header + totals"
head -n 1 "$work/l.csv" | grep -q 'Inertia (kg·m²)' || fail "CSV header has no inertia unit"
tail -n 1 "$work/l.csv" | grep -q '^Totals,' || fail "CSV ends without the totals line"
grep -q "$(printf '\r')\$" "$work/l.csv" || fail "CSV lines do not end with CRLF"
# A locale whose decimal point is a comma changes nothing in the files.
LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 "$program" --csv "$work/de.csv" "$sample" 2>/dev/null ||
    fail "export under a German locale failed"
cmp -s "$work/de.csv" "$work/l.csv" || fail "the CSV depends on the locale"

run "csv only" 0 - --csv="$work/only.csv" "$sample"
cmp -s "$work/only.csv" "$work/l.csv" || fail "two exports of one project differ"
run "pdf only, options after the file" 0 - "$sample" --pdf "$work/only.pdf"
[ -s "$work/only.pdf" ] || fail "no PDF written"

run "version" 0 - --version
grep -q '^Ostrel [0-9]' "$work/out.txt" || fail "--version prints no version"

# ---- Refusals: a message on stderr and a non-zero exit ----
printf '{"format":"ostrel-project","version":1,"lines":[' >"$work/cut.ostrel"
printf '{"format":"ostrel-project","version":1,"lines":[]}' >"$work/empty.ostrel"
run "missing project" 1 "$work/none.ostrel" --csv "$work/x.csv" "$work/none.ostrel"
run "a folder" 1 "$work" --pdf "$work/x.pdf" "$work"
run "truncated project" 1 "$work/cut.ostrel" --csv "$work/x.csv" "$work/cut.ostrel"
[ ! -e "$work/x.csv" ] || fail "a refused project left a CSV behind"
run "empty list gives no report" 1 "$work/empty.ostrel" --pdf "$work/x.pdf" "$work/empty.ostrel"
[ ! -e "$work/x.pdf" ] || fail "an empty list left a PDF behind"
run "csv in a missing folder" 1 "$work/no/l.csv" --csv "$work/no/l.csv" "$sample"
run "pdf in a missing folder" 1 "$work/no/r.pdf" --pdf "$work/no/r.pdf" "$sample"
run "export without a project" 2 "FILE" --csv "$work/x.csv"
run "two projects" 2 "one FILE" --csv "$work/x.csv" "$sample" "$sample"
run "digits without an export" 2 "--pdf or --csv" --digits 4 "$sample"
run "unknown unit" 2 "inertia=kg·m²|kg·cm²" --units inertia=kgcm2 --csv "$work/x.csv" "$sample"
[ ! -e "$work/x.csv" ] || fail "a refused command line left a CSV behind"

# ---- The digits and units saved by the window, and those of one run ----
mkdir -p "$XDG_CONFIG_HOME/Ostrel"
printf '[Results]\ndigits=4\nmass=g\ninertia=kg.cm2\ntorque=N.cm\n' >"$XDG_CONFIG_HOME/Ostrel/Ostrel.conf"
run "saved choice" 0 - --csv "$work/saved.csv" --pdf "$work/saved.pdf" "$sample"
head -n 1 "$work/saved.csv" | grep -q 'Inertia (kg·cm²)' || fail "the CSV ignores the saved units"
run "units of one run" 0 - --digits 6 --units 'inertia=kg·cm²,mass=g,torque=N·cm' --csv "$work/named.csv" "$sample"
cmp -s "$work/named.csv" "$work/saved.csv" || fail "the CSV's results depend on the digits"
run "classic for one run" 0 - --digits classic --csv "$work/classic.csv" --pdf "$work/classic.pdf" "$sample"
cmp -s "$work/classic.csv" "$work/l.csv" || fail "classic digits do not give the SI CSV"
if command -v pdftotext >/dev/null; then
    pdftotext -layout "$work/saved.pdf" - | grep -Eq 'kg·cm² *$' || fail "the report ignores the saved units"
    pdftotext -layout "$work/classic.pdf" - | grep -q 'kgm²' || fail "classic digits do not print SI"
fi
rm "$XDG_CONFIG_HOME/Ostrel/Ostrel.conf"

# ---- Writes that fail leave the old file as it was ----
# A disk that fills up: no file may grow beyond one block (the CSV fails at the flush).
full() { (trap '' XFSZ; ulimit -f 1; exec "$@"); }
printf 'old,csv\r\n' >"$work/old.csv"
cp "$work/only.pdf" "$work/old.pdf"
cp "$work/old.csv" "$work/old.csv.bak" && cp "$work/old.pdf" "$work/old.pdf.bak"
launch=full
run "csv on a full disk" 1 "$work/old.csv" --csv "$work/old.csv" "$sample"
run "pdf on a full disk" 1 "$work/old.pdf" --pdf "$work/old.pdf" "$sample"
launch=
cmp -s "$work/old.csv" "$work/old.csv.bak" && cmp -s "$work/old.pdf" "$work/old.pdf.bak" ||
    fail "a failed export changed the old file"
# A link is followed: the file it leads to is replaced, keeping its permissions.
cp "$work/old.csv" "$work/real.csv" && chmod 640 "$work/real.csv" && ln -s real.csv "$work/to.csv"
run "csv through a link" 0 - --csv "$work/to.csv" "$sample"
[ -L "$work/to.csv" ] && cmp -s "$work/real.csv" "$work/l.csv" && [ "$(stat -c %a "$work/real.csv")" = 640 ] ||
    fail "a link was replaced, or its file lost its permissions"

# ---- An output that is the project, under any name, is refused before anything is written ----
cp "$sample" "$work/p.ostrel" && ln -s p.ostrel "$work/link.ostrel" && mkdir "$work/sub"
run "csv over the project" 2 "$work/p.ostrel" --csv "$work/p.ostrel" "$work/p.ostrel"
run "pdf over the project through a link" 2 "$work/link.ostrel" --pdf "$work/link.ostrel" "$work/p.ostrel"
run "csv over the project spelt otherwise" 2 - --csv "$work/sub/../p.ostrel" "$work/sub/../link.ostrel"
cmp -s "$work/p.ostrel" "$sample" || fail "the project was touched"
run "both outputs one file" 2 "$work/both" --pdf "$work/both" --csv "$work/sub/../both" "$sample"
[ ! -e "$work/both" ] || fail "a refused export left a file behind"
ln -s loop2 "$work/loop1" && ln -s loop1 "$work/loop2"
run "a loop of links" 1 "loop of symbolic links" --csv "$work/x.csv" "$work/loop1"

# ---- Every motor of a list checked against the project's axis ----
# J_L = 0.0004 kg·m², 3000 rpm, t_a = t_d = 0.05 s, t_c = 0.2 s, t_0 = 0.3 s.
motors=$(dirname "$sample")/motors.csv
axis() {
    printf '{"format":"ostrel-project","version":1,%s"drive":{"speed":"%s","accelTime":"0.05","constTime":"0.2","decelTime":"0.05","dwellTime":"0.3"},"lines":[{"code":17,"kind":"DiversIner","totalMass":true,"inputs":{"quantity":"1","ratio":"1","massOrDensity":"1","dimension1":"0.0004","dimension2":"0","dimension3":"0","dimension4":""}}]}' "$2" "$1"
}
axis 3000 '' >"$work/axis.ostrel"
axis 9000 '' >"$work/fast.ostrel"
axis 3000 '"motor":{"name":"Example 400 W","ratedTorque":1.2,"peakTorque":3.6,"ratedSpeed":3000,"maxSpeed":6000,"rotorInertia":5e-5,"withBrake":false},' >"$work/chosen.ostrel"
run "motor table" 0 - --motors "$motors" --csv "$work/m.csv" "$work/axis.ostrel"
[ "$(head -n 1 "$work/m.csv" | tr -d '\r')" = "name,verdict,ratio,ratioLimit,peakTorque,availablePeakTorque,peakMargin,rmsTorque,ratedTorque,rmsMargin,speed,maxSpeed,speedMargin,brakingEnergy" ] ||
    fail "the motor table's header"
[ "$(tail -n +2 "$work/m.csv" | cut -d, -f1,2 | tr -d '\r' | tr '\n' ' ')" = "Example 100 W,fail Example 200 W,fail Example 400 W,pass Example 750 W,pass Example 1.5 kW,pass Example 3 kW,pass " ] ||
    fail "the motor table's rows: $(cat "$work/m.csv")"
# The 400 W's J_M is its rotor inertia: λ = 0.0004/0.00005 = 8.
grep -q '^Example 400 W,pass,8,10,' "$work/m.csv" || fail "the 400 W row: $(grep 400 "$work/m.csv")"
run "no motor passes" 0 - --motors "$motors" --csv "$work/none.csv" "$work/fast.ostrel"
[ "$(grep -c ',fail,' "$work/none.csv")" -eq 6 ] || fail "9000 rpm is above every maximum speed"
printf '%s\r\nA,1,3,3000,6000,,0.0001,,\r\nB,1,-3,3000,6000,,0.0001,,\r\n' "$(head -n 1 "$motors")" >"$work/bad.csv"
run "bad motor file" 2 "$work/bad.csv" --motors "$work/bad.csv" --csv "$work/x.csv" "$work/axis.ostrel"
grep -q ' 3: ' "$work/err.txt" || fail "the bad motor's line is not named"
run "motors without csv" 2 "--motors goes with --csv" --motors "$motors" --pdf "$work/x.pdf" "$work/axis.ostrel"
cp "$motors" "$work/mine.csv"
run "csv over the motor file" 2 "$work/mine.csv" --motors "$work/mine.csv" --csv "$work/mine.csv" "$work/axis.ostrel"
cmp -s "$work/mine.csv" "$motors" || fail "the motor file was touched"
[ ! -e "$work/x.csv" ] && [ ! -e "$work/x.pdf" ] || fail "a refused motor check left a file behind"
run "the project's motor in the drive table" 0 - --csv "$work/chosen.csv" --pdf "$work/chosen.pdf" "$work/chosen.ostrel"
grep -q '^motorVerdict,pass' "$work/chosen.csv" || fail "the drive table has no motor verdict"

# Without an export the program wants a display; a user who mistypes an option has one.
export QT_QPA_PLATFORM=offscreen
run "unknown option" 2 "frobnicate" --frobnicate "$sample"
unset QT_QPA_PLATFORM

[ $failures -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "all command line checks passed"
