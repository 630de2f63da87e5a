#!/bin/sh
# An installed copy of Ostrel in a temporary prefix.
#   installcopy.sh install|files|start|cleanup <has-program 0/1> <build dir> <prefix>
set -u
step=$1 has_program=$2 build=$3 prefix=$4
program_dir=$prefix/lib/ostrel

if [ "$has_program" != 1 ]; then
    echo "SKIPPED: the build has no program target 'ostrel' yet; nothing to install"
    exit 0
fi

fail() { echo "FAIL: $*"; exit 1; }

case $step in
install)
    rm -rf "$prefix"
    cmake --install "$build" --prefix "$prefix" >"$build/tests/about-install.log" 2>&1 ||
        { cat "$build/tests/about-install.log"; fail "cmake --install failed"; }
    echo "installed into $prefix"
    ;;

files)
    [ -x "$program_dir/ostrel" ] || fail "no program $program_dir/ostrel"
    [ -x "$prefix/bin/ostrel" ] || fail "no launcher $prefix/bin/ostrel"
    [ -f "$prefix/share/applications/ostrel.desktop" ] || fail "no desktop entry"
    # Project files open from the desktop: their type, and the entry that takes a file.
    mime=$prefix/share/mime/packages/ostrel.xml
    [ -f "$mime" ] || fail "no MIME type $mime"
    grep -q 'type="application/x-ostrel"' "$mime" && grep -q 'pattern="\*.ostrel"' "$mime" ||
        fail "$mime does not declare *.ostrel as application/x-ostrel"
    grep -q '^Exec=ostrel %f$' "$prefix/share/applications/ostrel.desktop" ||
        fail "the desktop entry does not pass the file (%f)"
    grep -q '^MimeType=.*application/x-ostrel;' "$prefix/share/applications/ostrel.desktop" ||
        fail "the desktop entry does not name application/x-ostrel"

    # Every data file of the build's program folder, at the same relative path.
    list=$build/ostrel-data-files.txt
    [ -f "$list" ] || fail "no list of data files $list"
    missing=0
    while IFS= read -r relative; do
        [ -n "$relative" ] || continue
        [ -f "$program_dir/$relative" ] || { echo "missing: $relative"; missing=1; }
    done <"$list"
    [ $missing -eq 0 ] || fail "data files missing from $program_dir"

    # And by name the files the program opens.
    for name in Lenguas.db propos.htm propos-strip.png guide/user-guide.html \
                examples/every-kind.ostrel; do
        [ -f "$program_dir/$name" ] || fail "missing: $name"
    done
    # The pictures of the twenty kinds are looked up without regard to letter case.
    for bitmap in plateau.bmp couronne.bmp cylCouc.bmp TubCouc.bmp Troncone.bmp Bras.bmp \
                  Rectang.bmp Polygone.bmp Bille.bmp CylVerEx.bmp TubVerEx.bmp CylCouEx.bmp \
                  TubCouEx.bmp BilleEx.bmp RectanEx.bmp MaseEx.bmp DivIner.bmp Convoy.bmp \
                  MaseDese.bmp Tore.bmp; do
        found=$(find "$program_dir" -maxdepth 1 -type f -iname "$bitmap" | head -n 1)
        [ -n "$found" ] || { echo "missing: $bitmap"; missing=1; }
    done
    [ $missing -eq 0 ] || fail "kind pictures missing from $program_dir"
    [ -d "$program_dir/images" ] && [ -n "$(ls -A "$program_dir/images")" ] ||
        fail "no pictures in $program_dir/images"
    echo "all data files are in $program_dir"
    ;;

start)
    # The launcher starts the installed program, which opens its translation store from its
    # own folder and stays up until the timeout ends it.
    home=$(mktemp -d)
    err=$home/stderr.txt
    HOME=$home XDG_CONFIG_HOME=$home/.config QT_QPA_PLATFORM=offscreen \
        timeout 4 "$prefix/bin/ostrel" >/dev/null 2>"$err" &
    watcher=$!
    exe="" store=""
    real_dir=$(readlink -f "$program_dir")
    tries=0
    # Look while it runs (up to about 3 s): which program, and whether the store is open.
    while [ -z "$store" ] && [ $tries -lt 15 ]; do
        sleep 0.2
        tries=$((tries + 1))
        program=$(pgrep -P "$watcher" | head -n 1)
        [ -n "$program" ] || continue
        exe=$(readlink "/proc/$program/exe")
        store=$(ls -l "/proc/$program/fd" 2>/dev/null | grep -F "$real_dir/Lenguas.db")
    done
    wait "$watcher"
    rc=$?
    cat "$err"
    missing=$(grep -Ei 'no such file|not found|cannot (open|find|read|load)|could not|missing|unable to' "$err")
    rm -rf "$home"
    [ -z "$missing" ] || fail "the installed program reports a missing file"
    [ "$exe" = "$real_dir/ostrel" ] || fail "the launcher did not start $program_dir/ostrel (got '$exe')"
    [ -n "$store" ] || fail "the installed program has not opened $program_dir/Lenguas.db"
    [ $rc -eq 124 ] || fail "the installed program ended by itself (exit $rc) instead of running"
    echo "the installed program runs from $program_dir"
    ;;

cleanup)
    rm -rf "$prefix"
    ;;

*)
    fail "unknown step $step"
    ;;
esac
