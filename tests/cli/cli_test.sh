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

# run <name> <expected exit code> <text expected on stderr, or -> args...
run() {
    name=$1 expected=$2 message=$3
    shift 3
    "$program" "$@" >"$work/out.txt" 2>"$work/err.txt"
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
# Without an export the program wants a display; a user who mistypes an option has one.
export QT_QPA_PLATFORM=offscreen
run "unknown option" 2 "frobnicate" --frobnicate "$sample"
unset QT_QPA_PLATFORM

[ $failures -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "all command line checks passed"
