#!/usr/bin/env bash
# scripts/run with cmake, the installer and the program replaced by stand-ins: it must build the
# program and its data targets only, then say where the program is and start it.
set -euo pipefail
ROOT="$1"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/bin" "$WORK/build/bin"
cat >"$WORK/bin/cmake" <<'STUB'
#!/usr/bin/env bash
echo "cmake $*" >>"$OSTREL_STUB_LOG"
STUB
cat >"$WORK/build/bin/ostrel" <<'STUB'
#!/usr/bin/env bash
echo "started" >>"$OSTREL_STUB_LOG"
STUB
for tool in dpkg-query locale; do
    printf '#!/usr/bin/env bash\necho "install ok installed"; echo de_DE.utf8\n' >"$WORK/bin/$tool"
done
chmod +x "$WORK"/bin/* "$WORK/build/bin/ostrel"
export OSTREL_STUB_LOG="$WORK/log" OSTREL_BUILD_DIR="$WORK/build" DISPLAY=:99
PATH="$WORK/bin:$PATH" bash "$ROOT/scripts/run" >"$WORK/out" 2>&1

fail() { echo "FAIL: $*"; echo "-- log"; cat "$WORK/log"; echo "-- output"; cat "$WORK/out"; exit 1; }
build_line="$(grep -- '--build' "$WORK/log")" || fail "no build"
for target in ostrel ostrel_language_store ostrel_pictures ostrel_about_data; do
    grep -qw -- "$target" <<<"$build_line" || fail "target $target not built"
done
grep -q -- '--target' <<<"$build_line" || fail "the whole tree is built"
if grep -Eq 'test|bench' <<<"$build_line"; then fail "tests or benchmarks built"; fi
grep -q "$WORK/build/bin/ostrel" "$WORK/out" || fail "the program's path is not printed"
grep -q started "$WORK/log" || fail "the program was not started"
echo "ok"
