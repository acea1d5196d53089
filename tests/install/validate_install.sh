#!/usr/bin/env bash
# Installs a built Korvane into a scratch folder and checks it the way a
# desktop and Debian will see it: the desktop entry and AppStream metadata
# pass their validators, every icon, program and manual page is where it
# belongs, and the .deb says what it is, carries all of it, and gives lintian
# nothing to say.
#
#   validate_install.sh BUILD_DIR
set -euo pipefail

if [ $# -ne 1 ] || [ ! -f "$1/CMakeCache.txt" ]; then
    echo "usage: $0 BUILD_DIR (a configured and built Korvane build folder)" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
# Nobody installs or ships a sanitizer build: its programs and its package
# would need libasan and libubsan. Say so rather than check something no user
# ever gets.
if grep -qiE '^KORVANE_SANITIZE(:[A-Z]+)?=(ON|TRUE|YES|Y|1)$' "$build/CMakeCache.txt"; then
    echo "$build is a sanitizer build; check a plain build (build/ or build-release/)." >&2
    exit 2
fi
app_id=example.korvane.Korvane
icon_sizes="16 22 24 32 48 64 128 256"
# The window's languages besides English, which the menu entry speaks too:
# one translators' file each.
languages=$(cd "$(dirname "$0")/../../translations" && ls korvane_*.ts | sed 's/^korvane_//; s/\.ts$//')
[ -n "$languages" ] || { echo "No translations found beside the tests." >&2; exit 2; }

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The version everything must carry is the project's, as CMake read it.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
if [ -z "$version" ]; then
    echo "FAIL: no project version in $build/CMakeCache.txt" >&2
    exit 1
fi

# Installing and packaging rewrite the build's install_manifest.txt; put back
# the one a real install left, so it still lists what that install put where.
manifest="$build/install_manifest.txt"
if [ -f "$manifest" ]; then
    cp "$manifest" "$manifest.before-check"
    trap 'mv -f "$manifest.before-check" "$manifest"' EXIT
else
    trap 'rm -f "$manifest"' EXIT
fi

# The icons and manual pages are made only on request (they need rsvg-convert
# and help2man, which running the program does not); without them the install
# stops at the first missing file.
if ! cmake --build "$build" --target korvane_install_data >"$build/install-data.log" 2>&1; then
    cat "$build/install-data.log" >&2
    echo "FAIL: building korvane_install_data failed" >&2
    exit 1
fi

# --- Install into a staging folder, as a distribution's build would ---------
stage="$build/install-check"
rm -rf "$stage"
if ! DESTDIR="$stage" cmake --install "$build" --prefix /usr >"$build/install-check.log" 2>&1; then
    cat "$build/install-check.log" >&2
    echo "FAIL: cmake --install into $stage failed" >&2
    exit 1
fi
root="$stage/usr"

desktop="$root/share/applications/$app_id.desktop"
metainfo="$root/share/metainfo/$app_id.metainfo.xml"

for program in korvane korvane-calc; do
    [ -x "$root/bin/$program" ] || fail "bin/$program is not installed or not executable"
done

if [ -f "$desktop" ]; then
    if ! output=$(desktop-file-validate "$desktop" 2>&1) || [ -n "$output" ]; then
        fail "desktop-file-validate reports problems in $app_id.desktop:"$'\n'"$output"
    fi
    # The menu starts whatever Exec names and draws whatever Icon names.
    exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -x "$root/bin/$exec_program" ] ||
        fail "the desktop entry starts '$exec_program', which is not installed in bin/"
    grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry's Icon is not $app_id"
    for keyword in sulphite sulfite SO2 wine; do
        grep -q "^Keywords=.*\b$keyword;" "$desktop" ||
            fail "the desktop entry's Keywords lack '$keyword'"
    done
    for key in Name GenericName Comment Keywords; do
        for language in $languages; do
            grep -q "^$key\[$language\]=." "$desktop" ||
                fail "the desktop entry has no $key[$language]"
        done
    done
    # What a menu shows, read by GLib as desktops read it, in the language
    # LANGUAGE asks for; GLib takes an entry only when its program is on PATH.
    menu_shows() {
        PATH="$root/bin:$PATH" LANGUAGE="$1" LC_ALL=C.UTF-8 /usr/bin/python3 -c '
import sys, gi
gi.require_version("Gio", "2.0")
from gi.repository import Gio
entry = Gio.DesktopAppInfo.new_from_filename(sys.argv[1])
print(entry.get_name(), entry.get_generic_name(), entry.get_description(), sep="|")' "$desktop"
    }
    english=$(menu_shows en)
    [ "$english" = "Korvane|SO2 Calculator|Work out how much sulphite a wine needs" ] ||
        fail "in English the menu shows '$english'"
    french=$(menu_shows fr)
    [ "$french" = "Korvane|Calculateur de SO2|Calculer la quantité de sulfite dont un vin a besoin" ] ||
        fail "with LANGUAGE=fr the menu shows '$french'"
    for language in $languages; do
        [ "$(menu_shows "$language")" != "$english" ] ||
            fail "with LANGUAGE=$language the menu shows English"
    done
else
    fail "share/applications/$app_id.desktop is not installed"
fi

if [ -f "$metainfo" ]; then
    # Every note counts, down to the pedantic ones, except those that the fixed
    # names bring: the id's made-up domain and capital letter, and the http://
    # addresses of the web site.
    fixed='cid-maybe-not-rdns|cid-contains-uppercase-letter|url-not-secure|screenshot-media-url-not-secure'
    status=0
    output=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || status=$?
    notes=$(grep -E '^[EWIP]: ' <<<"$output" | grep -vE "^.: [^ ]+ ($fixed)( |$)" || true)
    if [ "$status" -ne 0 ] || [ -n "$notes" ]; then
        fail "appstreamcli finds problems in $app_id.metainfo.xml:"$'\n'"$output"
    fi
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $app_id.desktop"
    grep -q "<release version=\"$version\"" "$metainfo" ||
        fail "the metainfo has no release entry for version $version"
    for program in korvane korvane-calc; do
        grep -q "<binary>$program</binary>" "$metainfo" ||
            fail "the metainfo does not say it provides $program"
    done
    # The summary and each paragraph and list item of the description, in
    # English and in every language.
    parts=$(grep -cE '<(summary|p|li)>' "$metainfo")
    for language in $languages; do
        translated=$(grep -cE "<(summary|p|li) xml:lang=\"$language\">" "$metainfo")
        [ "$translated" = "$parts" ] ||
            fail "the metainfo has $translated of its $parts texts in '$language'"
    done
else
    fail "share/metainfo/$app_id.metainfo.xml is not installed"
fi

for size in $icon_sizes; do
    png="$root/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    if [ ! -f "$png" ]; then
        fail "the ${size}x${size} icon is not installed"
    elif ! file "$png" | grep -q "PNG image data, $size x $size,"; then
        fail "the ${size}x${size} icon is not a $size x $size PNG: $(file -b "$png")"
    fi
done
svg="$root/share/icons/hicolor/scalable/apps/$app_id.svg"
if [ ! -f "$svg" ]; then
    fail "the scalable icon is not installed"
elif ! rsvg-convert --width 16 --height 16 "$svg" >/dev/null; then
    fail "the scalable icon does not render"
fi

for page in korvane korvane-calc; do
    man_page="$root/share/man/man1/$page.1.gz"
    if [ ! -f "$man_page" ]; then
        fail "the $page(1) manual page is not installed"
        continue
    fi
    # The same check Debian's lintian makes: groff must format it without a warning.
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
               man --warnings -E UTF-8 -l -Tutf8 -Z "$man_page" 2>&1 >/dev/null) || true
    [ -z "$warnings" ] || fail "$page(1) does not format cleanly:"$'\n'"$warnings"
    for section in NAME ENVIRONMENT FILES 'SEE ALSO'; do
        zgrep -qE "^\.SH \"?$section\"?$" "$man_page" || fail "$page(1) has no $section section"
    done
    # A command continued on the next line stays one example.
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$man_page" 2>/dev/null |
        awk '/\\$/ { cut = 1; next } cut && /^ *$/ { exit 1 } { cut = 0 }' ||
        fail "$page(1) breaks an example after a line ending in a backslash"
done
# The administrator's preset: the 52 bytes the Default Settings dialog saves
# after Restore System Defaults and OK, in the system's configuration folder
# (/etc for the prefix /usr). Installing again keeps what an administrator
# made of it.
preset="$stage/etc/korvane/settings.cfg"
if [ ! -f "$preset" ]; then
    fail "the preset etc/korvane/settings.cfg is not installed"
else
    cmp -s "$preset" <(printf '"1"\r\n"1"\r\n"2"\r\n"10"\r\n"0.44"\r\n"5"\r\n"Total Free SO2"\r\n') ||
        fail "the preset does not hold the system defaults:"$'\n'"$(od -c "$preset")"
    printf '"2"\r\n' >"$preset"
    DESTDIR="$stage" cmake --install "$build" --prefix /usr >"$build/install-check.log" 2>&1 ||
        fail "installing a second time failed:"$'\n'"$(cat "$build/install-check.log")"
    cmp -s "$preset" <(printf '"2"\r\n') || fail "installing again replaced the administrator's preset"
fi

# Made from korvane-calc --help, so it lists the program's options.
calc_page="$root/share/man/man1/korvane-calc.1.gz"
if [ -f "$calc_page" ]; then
    for option in ph free-so2 batch-size help version; do
        # help2man writes every hyphen of an option as \-.
        zgrep -qF -- "\\-\\-${option//-/\\-}" "$calc_page" ||
            fail "korvane-calc(1) does not describe --$option"
    done
    # help2man lays out --help right only when each option stands two spaces
    # from its meaning (else it runs them together in a .HP paragraph) and a
    # second usage line starts with "  or:" (else it lands under DESCRIPTION).
    ! zgrep -q '^\.HP' "$calc_page" ||
        fail "korvane-calc(1) runs an option into its meaning:"$'\n'"$(zgrep -A1 '^\.HP' "$calc_page")"
    [ "$(zcat "$calc_page" | sed -n '/^\.SH SYNOPSIS/,/^\.SH/p' | grep -c '^\.B korvane-calc')" = 2 ] ||
        fail "korvane-calc(1) does not show both usages under SYNOPSIS"
fi

# --- The Debian package -------------------------------------------------------
arch=$(dpkg --print-architecture)
deb="$build/korvane_${version}_${arch}.deb"
rm -f "$deb"
if ! (cd "$build" && cpack -G DEB) >"$build/package-check.log" 2>&1; then
    cat "$build/package-check.log" >&2
    fail "cpack -G DEB failed"
elif [ ! -f "$deb" ]; then
    fail "cpack did not write $(basename "$deb"); it wrote: $(cd "$build" && ls ./*.deb 2>/dev/null)"
else
    info=$(dpkg-deb --info "$deb")
    field() { sed -n "s/^ $1: //p" <<<"$info"; }
    [ "$(field Package)" = korvane ] || fail "package name is '$(field Package)', not korvane"
    [ "$(field Version)" = "$version" ] || fail "package version is '$(field Version)', not $version"
    [ "$(field Architecture)" = "$arch" ] ||
        fail "package architecture is '$(field Architecture)', not $arch"
    [ "$(field Section)" = science ] || fail "package section is '$(field Section)', not science"
    [ "$(field Priority)" = optional ] || fail "package priority is '$(field Priority)', not optional"
    [ "$(field Maintainer)" = "Cellar Team <support@korvane.example>" ] ||
        fail "package maintainer is '$(field Maintainer)'"
    [ "$(field Homepage)" = "http://korvane.example/" ] ||
        fail "package homepage is '$(field Homepage)'"
    [ -n "$(field Description)" ] || fail "package has no short description"
    [ "$(dpkg-deb --field "$deb" Description | wc -l)" -gt 1 ] ||
        fail "package has no long description below its short one"
    # dpkg-shlibdeps names the libraries the programs really link; the font
    # the windows are laid out on is named by hand.
    depends=$(field Depends)
    for library in libc6 libqt6widgets6 fonts-liberation; do
        grep -qE "(^|, )$library( |,|$)" <<<"$depends" ||
            fail "package Depends lacks $library: '$depends'"
    done

    # Files only: the folders that hold them come and go with them.
    contents=$(dpkg-deb --contents "$deb" | awk '!/\/$/ { print $NF }')
    expected=(./usr/bin/korvane ./usr/bin/korvane-calc ./etc/korvane/settings.cfg
              "./usr/share/applications/$app_id.desktop"
              "./usr/share/metainfo/$app_id.metainfo.xml"
              "./usr/share/icons/hicolor/scalable/apps/$app_id.svg"
              ./usr/share/man/man1/korvane.1.gz ./usr/share/man/man1/korvane-calc.1.gz
              ./usr/share/doc/korvane/copyright ./usr/share/doc/korvane/changelog.gz)
    for size in $icon_sizes; do
        expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
    done
    for path in "${expected[@]}"; do
        grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
    done
    # Nothing else: no headers, libraries or test programs slip in.
    stray=$(grep -vxF -f <(printf '%s\n' "${expected[@]}") <<<"$contents" || true)
    [ -z "$stray" ] || fail "the package carries unexpected files:"$'\n'"$stray"

    # What a distribution's reviewer runs first. It prints its errors and
    # warnings only; a tag that is right to ignore is overridden in the
    # package with the reason.
    lint_status=0
    lint=$(lintian --allow-root --fail-on error,warning "$deb" 2>&1) || lint_status=$?
    if [ "$lint_status" -ne 0 ] || [ -n "$lint" ]; then
        fail "lintian finds problems in the package:"$'\n'"$lint"
    fi

    # The licence is the one LICENSE states, held by the package's maker.
    copyright="$root/share/doc/korvane/copyright"
    maker=$(field Maintainer | sed 's/ <.*//')
    grep -qx "Copyright: [0-9, -]* $maker" "$copyright" ||
        fail "the copyright file does not name $maker as the holder"
    grep -qx "License: Expat" "$copyright" || fail "the copyright file does not give the MIT licence"
    # The newest entry of the version history is this version, released the
    # day the AppStream data says.
    zcat "$root/share/doc/korvane/changelog.gz" >"$build/changelog-check"
    newest() { dpkg-parsechangelog -l "$build/changelog-check" -S "$1"; }
    [ "$(newest Version)" = "$version" ] ||
        fail "the changelog's newest entry is version $(newest Version), not $version"
    released=$(date -u -d "$(newest Date)" +%F)
    grep -q "<release version=\"$version\" date=\"$released\"" "$metainfo" ||
        fail "the metainfo does not date version $version $released, as the changelog does"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures install or package check(s) failed." >&2
    exit 1
fi
echo "Install and package checks passed: $(basename "$deb")."
