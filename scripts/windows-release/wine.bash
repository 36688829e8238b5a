# Sourced by the scripts that run Windows programs under wine. prepare_wine_prefix makes (once)
# and selects a wine prefix of our own, with wine's messages about itself silenced, no offer to
# install Mono or Gecko, and the two faces the window is laid out in standing in for the Windows
# ones that wine lacks: Liberation Sans for Arial, Comic Neue for Comic Sans MS.
# start_wine_display also starts a virtual X display for the programs' windows.
# shellcheck source=scripts/xvfb.bash
source "$(dirname "${BASH_SOURCE[0]}")/../xvfb.bash"

prepare_wine_prefix() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/.vardelis-ready" ]; then
        wineboot --init >/dev/null 2>&1
        # Wine draws the one face for the other (Replacements); Windows programs find it by the
        # other's name (FontSubstitutes).
        local key face
        for key in 'HKCU\Software\Wine\Fonts\Replacements' \
            'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'; do
            for face in "Arial=Liberation Sans" "Comic Sans MS=Comic Neue"; do
                wine reg add "$key" /v "${face%=*}" /t REG_SZ /d "${face#*=}" /f >/dev/null 2>&1
            done
        done
        wineserver --wait
        touch "$WINEPREFIX/.vardelis-ready"
    fi
}

# Makes and selects the wine prefix given, starts a virtual X display, and stops wine and the
# display when the script ends.
start_wine_display() {
    prepare_wine_prefix "$1"
    start_xvfb 1024x768x24
    trap 'wineserver --kill 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true' EXIT
}
