#!/usr/bin/env bash
# Installs the build into a fresh prefix, makes it read-only, and runs the
# installed programs from it: they must find their data in share/vekmor and
# write nothing there. Usage: install_test.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$1 src=$2
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
fails=0
check() { if [ "$2" != "$3" ]; then echo "FAIL $1: got [$2] want [$3]"; fails=$((fails + 1)); fi; }

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL install"; exit 1; }
for f in bin/vek bin/vek-analyze bin/vek-lexicon bin/vek-canon share/vekmor/lexicon.klx share/vekmor/vek.html \
         share/vekmor/robot-rules.txt share/vekmor/NOTICE share/vekmor/LICENSE-klingon-assistant-data.txt \
         share/applications/vekmor.desktop share/metainfo/org.vekmor.vekmor.metainfo.xml \
         share/icons/hicolor/scalable/apps/vekmor.svg share/icons/hicolor/48x48/apps/vekmor.png \
         share/man/man1/vek-analyze.1 share/man/man1/vek-lexicon.1 share/man/man1/vek-canon.1; do
  [ -f "$prefix/$f" ] || { echo "FAIL missing $f"; fails=$((fails + 1)); }
done
# Nothing of the build's own (test scratch, libraries) among the data.
check "data files" "$(ls "$prefix/share/vekmor" | grep -Ev '^(lexicon|lessons|canon)\.klx$|^robot-rules\.txt$|^vek\.html$|\.(ttf|otf)$|^NOTICE$|^LICENSE-' )" ""
check "png size" "$(file -b "$prefix/share/icons/hicolor/48x48/apps/vekmor.png" | grep -o '48 x 48')" "48 x 48"
desktop-file-validate "$prefix/share/applications/vekmor.desktop"; check "desktop-file-validate" $? 0
appstreamcli validate --no-net "$prefix/share/metainfo/org.vekmor.vekmor.metainfo.xml" >/dev/null
check "appstreamcli validate" $? 0
grep -q '^\.SH SYNOPSIS\|^\.SH DESCRIPTION' "$prefix/share/man/man1/vek-analyze.1"; check "man page" $? 0

# Run from the read-only install: the analyser finds ../share/vekmor/lexicon.klx.
listing() { (cd "$prefix" && find . -printf '%p %s %T@\n' | sort); }
chmod -R a-w "$prefix"
before=$(listing)
out=$("$prefix/bin/vek-analyze" "Qapla'" 2>&1); check "vek-analyze rc" $? 0
case $out in *"Qapla'"*) ;; *) echo "FAIL vek-analyze output: $out"; fails=$((fails + 1)) ;; esac

# The window program starts on the installed data with a private home.
home=$tmp/home
mkdir -p "$home/runtime" "$home/tmp" && chmod 700 "$home/runtime"
env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/runtime" TMPDIR="$home/tmp" \
  XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" QT_QPA_PLATFORM=offscreen \
  timeout 60 "$prefix/bin/vek" --exit-when-ready
check "vek rc" $? 0
check "install folder untouched" "$(listing)" "$before"
[ "$fails" -eq 0 ] && echo "install test passed"
exit $((fails > 0))
