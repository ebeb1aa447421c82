#!/usr/bin/env bash
# Installs the package into this machine (as root, Debian 12), checks where
# its files went, starts the game under Xvfb, and removes the package again.
#   bash scripts/check-deb.sh [build-pkg/pellumo_1.0.4_amd64.deb]
set -euo pipefail
cd "$(dirname "$0")/.."
deb=${1:-$(ls build-pkg/pellumo_*_amd64.deb | head -n 1)}
[ "$(id -u)" -eq 0 ] || { echo "Run as root: it installs a package." >&2; exit 1; }
export DEBIAN_FRONTEND=noninteractive

fail() { echo "FAIL: $*" >&2; exit 1; }

dpkg-deb --info "$deb" | sed -n '/Package:/,$p'
apt-get install -y -qq --no-install-recommends "$PWD/$deb" >/dev/null
trap 'apt-get remove -y -qq pellumo >/dev/null || true' EXIT

for f in /usr/lib/pellumo/pellumo "/usr/lib/pellumo/Robotz Recycle.wav" \
         /usr/lib/pellumo/help/index.html /usr/share/applications/pellumo.desktop \
         /usr/share/icons/hicolor/scalable/apps/pellumo.svg; do
  [ -e "$f" ] || fail "$f not installed"
done
[ "$(readlink -f /usr/bin/pellumo)" = /usr/lib/pellumo/pellumo ] || fail "/usr/bin/pellumo is not a link to the game"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate /usr/share/applications/pellumo.desktop
fi

bash scripts/deps.sh xvfb xauth

# A start counts when the game is still running after some seconds (timeout
# then ends it with status 124); any earlier exit is a failure.
start() {
  local status=0
  "$@" >/tmp/pellumo-start.log 2>&1 || status=$?
  if [ "$status" -ne 124 ]; then
    cat /tmp/pellumo-start.log >&2
    fail "the game ended with status $status: $*"
  fi
}
# As root, through the link: the settings land beside the real executable.
rm -f /usr/lib/pellumo/pellumo.ini
start xvfb-run -a timeout 8 /usr/bin/pellumo
[ -f /usr/lib/pellumo/pellumo.ini ] || fail "no settings file beside the installed executable"
[ ! -e /usr/bin/pellumo.ini ] || fail "settings written beside the link in /usr/bin"
# As an ordinary account, for which the program folder is read-only: the
# game must start all the same (it cannot save).
if command -v setpriv >/dev/null; then
  start setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env HOME=/tmp xvfb-run -a timeout 8 /usr/bin/pellumo
fi
rm -f /usr/lib/pellumo/pellumo.ini
echo "package ok: $deb"
