#!/usr/bin/env bash
# Checks the Debian package as Debian and a player would see it: lintian,
# AppStream and desktop-entry validation, then installs it on this machine
# (as root, Debian 12), starts the installed game under Xvfb as an ordinary
# player and as root, and removes the package again.
#   bash scripts/check-deb.sh [build-pkg/pellumo_<version>-1_amd64.deb]
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(realpath "${1:-$(ls build-pkg/pellumo_*_amd64.deb | head -n 1)}")
[ "$(id -u)" -eq 0 ] || { echo "Run as root: it installs a package." >&2; exit 1; }
export DEBIAN_FRONTEND=noninteractive

fail() { echo "FAIL: $*" >&2; exit 1; }

bash scripts/deps.sh lintian appstream desktop-file-utils xvfb xauth

work=$(mktemp -d)
cleanup() {
  if dpkg-query -W pellumo >/dev/null 2>&1; then
    apt-get purge -y -qq pellumo >/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

dpkg-deb --info "$deb" | sed -n '/Package:/,$p'

# lintian on the package: no error and no warning (infos are listed too).
echo "== lintian"
lintian --display-info --fail-on error,warning "$deb" ||
  fail "lintian reports errors or warnings"

# The metainfo and the desktop entry as the package ships them.
dpkg-deb -x "$deb" "$work/unpacked"
share="$work/unpacked/usr/share"

echo "== appstreamcli validate --no-net"
metainfo="$share/metainfo/io.github.pellumo.Pellumo.metainfo.xml"
out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || { echo "$out"; fail "appstreamcli: invalid metainfo"; }
echo "$out"
! grep -q '^[EW]:' <<<"$out" || fail "appstreamcli reports errors or warnings"

echo "== desktop-file-validate"
desktop="$share/applications/io.github.pellumo.Pellumo.desktop"
out=$(desktop-file-validate "$desktop" 2>&1) || { echo "$out"; fail "desktop-file-validate: invalid entry"; }
echo "${out:-no findings}"
! grep -qE ': (error|warning):' <<<"$out" || fail "desktop-file-validate reports errors or warnings"

# Install it, and see that dpkg knows every file a distribution expects.
apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
listed=$(dpkg -L pellumo)
for f in /usr/games/pellumo \
         "/usr/share/games/pellumo/Robotz Recycle.wav" \
         /usr/share/games/pellumo/help/index.html \
         /usr/share/games/pellumo/help/de/index.html \
         /usr/share/games/pellumo/translations/pellumo_de.qm \
         /usr/share/games/pellumo/translations/pellumo_fr.qm \
         /usr/share/games/pellumo/translations/pellumo_es.qm \
         /usr/share/man/man6/pellumo.6.gz \
         /usr/share/doc/pellumo/copyright \
         /usr/share/doc/pellumo/changelog.Debian.gz \
         /usr/share/applications/io.github.pellumo.Pellumo.desktop \
         /usr/share/icons/hicolor/scalable/apps/io.github.pellumo.Pellumo.svg \
         /usr/share/metainfo/io.github.pellumo.Pellumo.metainfo.xml; do
  grep -qxF "$f" <<<"$listed" || fail "dpkg -L pellumo does not list $f"
  [ -f "$f" ] || fail "$f not installed"
done
# The old layout is gone: no private folder, no link in /usr/bin.
! grep -qE '^/usr/(lib/pellumo|bin)' <<<"$listed" || fail "files left in /usr/lib/pellumo or /usr/bin"

# A start counts when the game is still running after some seconds (timeout
# then ends it with status 124); any earlier exit is a failure.
start() {
  local status=0
  "$@" >"$work/start.log" 2>&1 || status=$?
  if [ "$status" -ne 124 ]; then
    cat "$work/start.log" >&2
    fail "the game ended with status $status: $*"
  fi
}

# An ordinary player with a fresh, empty home and a login's plain
# environment (no XDG_CONFIG_HOME): the game is found on the PATH, as the
# desktop entry's Exec=pellumo finds it, and keeps its settings in
# ~/.config/pellumo, a folder only the player can read.
chmod 0755 "$work"  # the player must reach its home inside
player_home="$work/player"
mkdir "$player_home"
chown nobody:nogroup "$player_home"
start setpriv --reuid=nobody --regid=nogroup --clear-groups \
  env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games \
  HOME="$player_home" LANG=C.UTF-8 xvfb-run -a timeout 8 pellumo
ini="$player_home/.config/pellumo/pellumo.ini"
[ -f "$ini" ] || fail "no settings file at ~/.config/pellumo/pellumo.ini for an ordinary player"
grep -q '^LEVEL=' "$ini" || fail "the player's settings file has no LEVEL line"
[ "$(stat -c %a "$player_home/.config/pellumo")" = 700 ] ||
  fail "~/.config/pellumo is mode $(stat -c %a "$player_home/.config/pellumo"), not 0700"
[ "$(stat -c %U "$ini")" = nobody ] || fail "the player's settings file belongs to $(stat -c %U "$ini")"

# Root, by the full path (root's PATH has no /usr/games): its settings go to
# its own home like anyone's, and nothing under /usr changes.
root_home="$work/root"
mkdir -m 0700 "$root_home"
touch "$work/stamp"
start env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  HOME="$root_home" LANG=C.UTF-8 xvfb-run -a timeout 8 /usr/games/pellumo
changed=$(find /usr -newer "$work/stamp" -print 2>/dev/null | head -n 20)
[ -z "$changed" ] || fail "the game as root changed files under /usr: $changed"
[ -z "$(find /usr -name pellumo.ini -print -quit)" ] || fail "a pellumo.ini under /usr"
[ -f "$root_home/.config/pellumo/pellumo.ini" ] || fail "no settings file in root's own ~/.config/pellumo"

# The installed game speaks the desktop's language, from its data folder.
env -i LANG=de_DE.UTF-8 /usr/games/pellumo --help | grep -q '^Aufruf: pellumo' ||
  fail "the installed game's --help is not German under LANG=de_DE.UTF-8"

# Remove it again; nothing of the game stays behind.
apt-get purge -y -qq pellumo >/dev/null
[ ! -e /usr/games/pellumo ] && [ ! -e /usr/share/games/pellumo ] ||
  fail "files left after removing the package"
echo "package ok: $deb"
