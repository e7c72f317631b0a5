#!/bin/bash
# install_test.sh BUILD APP_ID VERSION LIBDIR "ICON SIZES"
#
# Installs BUILD twice (into a prefix, and with DESTDIR under /usr), checks the
# installed files and validates the desktop entry and the metainfo, then runs
# `zelkora --startup-report` of each installed copy from an empty folder with
# an empty home: the sound library and the four wave files must be found in
# the installed tree and the settings file named in the configuration folder.
# A report changes nothing: no settings file or folder appears, one already
# there keeps its bytes, nothing is written in the current folder, and no box
# is shown, even where the configuration folder could not be made.
set -u
build=$1 app_id=$2 version=$3 libdir=$4 icon_sizes=${5//;/ }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_line() {   # expect_line TEXT LINE: LINE is one of the lines of TEXT
    grep -qxF -- "$2" <<<"$1" || fail "missing line '$2' in:"$'\n'"$1"
}
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }

take=$(printf '\x94\x77\x8c\x69\x89\xe6=\x92\x7c\r\n')

# ---- Installs: name, DESTDIR, prefix, where the tree lands ----
installs=(
  "prefix|-|$tmp/prefix|$tmp/prefix"
  "destdir|$tmp/dest|/usr|$tmp/dest/usr"
)
for row in "${installs[@]}"; do
    IFS='|' read -r name destdir prefix root <<<"$row"
    if [ "$destdir" = - ]; then
        cmake --install "$build" --prefix "$prefix" >"$tmp/$name.log" 2>&1 || fail "$name: install failed: $(cat "$tmp/$name.log")"
    else
        DESTDIR=$destdir cmake --install "$build" --prefix "$prefix" >"$tmp/$name.log" 2>&1 ||
            fail "$name: install failed: $(cat "$tmp/$name.log")"
    fi
done
root=$tmp/prefix

# ---- The installed files ----
expected=(bin/zelkora bin/zelkora-cli "$libdir/$app_id/libZelkora.so"
  "share/$app_id/その他.wav" "share/$app_id/禁止.wav" "share/$app_id/駒打音.wav" "share/$app_id/BGM.wav"
  "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$app_id.svg"
  share/man/man6/zelkora.6.gz share/man/man6/zelkora-cli.6.gz)
for path in "${expected[@]}"; do [ -s "$root/$path" ] || fail "not installed: $path"; done
[ -x "$root/bin/zelkora" ] && [ -x "$root/bin/zelkora-cli" ] || fail "programs not executable"
for size in $icon_sizes; do
    icon=$root/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    [ -f "$icon" ] && [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "icon $size: $(png_size "$icon" 2>/dev/null)"
done
for page in zelkora zelkora-cli; do
    gzip -t "$root/share/man/man6/$page.6.gz" 2>/dev/null || fail "man page $page is not gzip"
    zcat "$root/share/man/man6/$page.6.gz" | grep -q "^\.TH" || fail "man page $page has no title"
done
grep -qx "Exec=zelkora" "$root/share/applications/$app_id.desktop" || fail "desktop entry does not start zelkora"
grep -qx "Icon=$app_id" "$root/share/applications/$app_id.desktop" || fail "desktop entry does not name the icon"

# ---- Validators ----
desktop-file-validate "$root/share/applications/$app_id.desktop" >"$tmp/desktop.log" 2>&1 ||
    fail "desktop-file-validate: $(cat "$tmp/desktop.log")"
[ -s "$tmp/desktop.log" ] && fail "desktop-file-validate complains: $(cat "$tmp/desktop.log")"
appstreamcli validate --no-net --pedantic "$root/share/metainfo/$app_id.metainfo.xml" >"$tmp/appstream.log" 2>&1 ||
    fail "appstreamcli: $(cat "$tmp/appstream.log")"

# ---- Versions and help ----
[ "$("$root/bin/zelkora" --version)" = "zelkora $version" ] || fail "zelkora --version"
[ "$("$root/bin/zelkora-cli" --version)" = "zelkora-cli $version" ] || fail "zelkora-cli --version"
"$root/bin/zelkora-cli" --help | grep -q "zelkora-cli bestmove" || fail "zelkora-cli --help"
"$root/bin/zelkora" --help | grep -q -- "--startup-report" || fail "zelkora --help"

# ---- Start-ups: install root, XDG_CONFIG_HOME (- unset), Documents made, where
#      the settings are, where the record panel opens, a settings file there ----
startups=(
  "$tmp/prefix|-|yes|HOME/.config/$app_id|HOME/Documents|no"
  "$tmp/dest/usr|CASE/xdg|no|CASE/xdg/$app_id|HOME|yes"
  "$tmp/prefix|CASE/not-a-folder|no|CASE/not-a-folder/$app_id|HOME|no"
)
n=0
for row in "${startups[@]}"; do
    n=$((n + 1))
    IFS='|' read -r root config documents settings records present <<<"$row"
    case_dir=$tmp/case$n
    home=$case_dir/home work=$case_dir/work
    mkdir -p "$home" "$work"
    [ "$documents" = yes ] && mkdir "$home/Documents"
    config=${config//CASE/$case_dir} settings=${settings//CASE/$case_dir} settings=${settings//HOME/$home}
    records=${records//HOME/$home}
    touch "$case_dir/not-a-folder"
    if [ "$present" = yes ]; then mkdir -p "$settings" && printf '%s' "$take" >"$settings/Zelkora.ini"; fi
    env_config=(-u XDG_CONFIG_HOME)
    [ "$config" != - ] && env_config=("XDG_CONFIG_HOME=$config")
    out=$(cd "$work" && env -u XDG_DOCUMENTS_DIR "${env_config[@]}" HOME="$home" "$root/bin/zelkora" --startup-report \
        2>"$case_dir/stderr")
    status=$?
    echo "--- start-up $n ($root, config $config)"; echo "$out"; cat "$case_dir/stderr"
    [ $status = 0 ] || fail "start-up $n: exit status $status"
    expect_line "$out" "layout: installed"
    expect_line "$out" "sound library: $root/$libdir/$app_id/libZelkora.so loaded"
    expect_line "$out" "sound device: opened"
    for wave in その他 禁止 駒打音 BGM; do expect_line "$out" "wave $wave.wav: $root/share/$app_id/$wave.wav made"; done
    expect_line "$out" "records folder: $records"
    [ -z "$(ls -A "$work")" ] || fail "start-up $n wrote in the current folder: $(ls -A "$work")"
    shown=$(grep -c "^\[環境設定\]" "$case_dir/stderr")
    [ "$shown" = 0 ] || fail "start-up $n: $shown settings boxes"
    if [ "$present" = yes ]; then
        expect_line "$out" "settings file: $settings/Zelkora.ini present"
        [ "$(cat "$settings/Zelkora.ini")" = "$take" ] || fail "start-up $n: the settings file changed"
        [ "$(ls -A "$settings")" = Zelkora.ini ] || fail "start-up $n: wrote beside the settings: $(ls -A "$settings")"
    else
        expect_line "$out" "settings file: $settings/Zelkora.ini missing"
        [ -e "$settings" ] && fail "start-up $n: the report made $settings"
    fi
done

[ $failures = 0 ] && echo "all install checks passed"
exit $((failures > 0))
