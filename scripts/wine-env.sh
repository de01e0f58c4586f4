# Sourced by the scripts that run Windows programs: a private Wine prefix, quiet, made once.
export WINEDEBUG=-all
export WINEPREFIX=${WINEPREFIX:-${TMPDIR:-/tmp}/namer-wine-$(id -u)}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    echo "wine: preparing the prefix $WINEPREFIX (once)"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
fi
source "$(dirname "${BASH_SOURCE[0]}")/wine-desktop.sh"
