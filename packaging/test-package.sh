#!/usr/bin/env bash
# Builds the Debian package from the built tree, checks what it holds and says about itself,
# unpacks it and renders a German program with the unpacked renderer, and validates the desktop
# entry, the metainfo and the manual pages as shipped.
# Usage: test-package.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack"; exit 1; }
deb=$(ls "$work"/out/turtlescope_*.deb)

info=$(dpkg-deb --info "$deb")
for field in "Package: turtlescope" "Version: $version" "Section: graphics"; do
    grep -qx " $field" <<<"$info" || fail "control lacks '$field'"
done
depends=$(sed -n 's/^ Depends: //p' <<<"$info")
# The libraries come from the binaries (libqt6gui6 brings the window-system plugins), the rest
# from the package's own list.
for needed in libc6 libqt6widgets6 libqt6gui6 qt6-image-formats-plugins fonts-dejavu-core; do
    grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for path in usr/bin/turtlescope usr/bin/turtlescope-render \
    usr/lib/turtlescope/turtlescope usr/lib/turtlescope/turtlescope-render \
    usr/lib/turtlescope/Languages/Deutsch.json usr/lib/turtlescope/Languages/Francais.json \
    usr/lib/turtlescope/Examples/spiral.turtle \
    usr/share/applications/turtlescope.desktop \
    usr/share/icons/hicolor/scalable/apps/turtlescope.svg \
    usr/share/mime/packages/turtlescope.xml \
    usr/share/metainfo/io.github.turtlescope.Turtlescope.metainfo.xml \
    usr/share/man/man1/turtlescope.1.gz usr/share/man/man1/turtlescope-render.1.gz \
    usr/share/doc/turtlescope/changelog.gz; do
    grep -qx "\./$path" <<<"$contents" || fail "package lacks /$path"
done
outside=$(grep -v '^\./$\|^\./usr/' <<<"$contents" || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

root="$work/root"
dpkg-deb -x "$deb" "$root"
case $(file -b "$root/usr/lib/turtlescope/turtlescope-render") in
*"not stripped"* | *"with debug_info"*) fail "the renderer is not stripped" ;;
esac

# German words: they parse only when the unpacked renderer finds the Languages folder beside it.
printf 'stiftbreite 4\nvorwärts 50\n' >"$work/line.turtle"
(cd "$work" && env -u LANGUAGE LC_ALL=C.UTF-8 "$root/usr/bin/turtlescope-render" --region 3 \
    --size 100x100 -o "$work/line.png" "$work/line.turtle") ||
    fail "the unpacked renderer failed on a German program"
pixel() { convert "$work/line.png" -format "%[hex:p{$1,$2}]" info: 2>/dev/null; }
if [ -f "$work/line.png" ]; then
    [ "$(pixel 50 25)" = 000000 ] || fail "no line above the centre: $(pixel 50 25)"
    [ "$(pixel 50 75)" = FFFFFF ] || fail "paint below the centre: $(pixel 50 75)"
    [ "$(pixel 25 25)" = FFFFFF ] || fail "paint beside the line: $(pixel 25 25)"
fi

# The binary's version is the package's.
[ "$("$root/usr/bin/turtlescope-render" --version)" = "turtlescope-render $version" ] ||
    fail "the unpacked renderer's version is not $version"

desktop-file-validate "$root/usr/share/applications/turtlescope.desktop" ||
    fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.turtlescope.Turtlescope.metainfo.xml" ||
    fail "appstreamcli validate"

for page in turtlescope turtlescope-render; do
    text=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" 2>"$work/man.err")
    [ ! -s "$work/man.err" ] || fail "$page.1 warns: $(cat "$work/man.err")"
    grep -q "^EXIT STATUS" <<<"$text" || fail "$page.1 has no EXIT STATUS"
    grep -q "Turtlescope $version" <<<"$text" || fail "$page.1 does not name version $version"
done
# Every option the renderer knows is in its manual page.
render_page=$(MANWIDTH=80 man -l "$root/usr/share/man/man1/turtlescope-render.1.gz" 2>/dev/null)
for option in $("$root/usr/bin/turtlescope-render" --help | grep -o -- '--[a-z]*' | sort -u); do
    grep -q -- "$option\b" <<<"$render_page" || fail "turtlescope-render.1 lacks $option"
done

[ "$failures" -eq 0 ] && echo "package $(basename "$deb"): $(stat -c %s "$deb") bytes, all checks passed"
exit $((failures > 0))
