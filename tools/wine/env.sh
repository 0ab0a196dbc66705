# Sourced by the scripts that run Korvane under Wine. Sets up a private, headless Wine for the
# build folder given as $1 and provides wine_session_start / wine_session_stop.
#   wine_session_start [--own-display]  starts Xvfb (unless a display is given and wanted),
#                                       prepares the prefix once, keeps one wineserver up
#   wine_session_stop                   ends all of it again
korvane_build=${1:?build folder}
export WINEPREFIX=$korvane_build/wineprefix
export WINEDEBUG=-all
export WINEARCH=win64
# No Mono or Gecko install prompts: .NET and the HTML engine are simply absent.
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C.UTF-8
# Wine 8 measures TrueType glyphs hinted for grey rendering (FreeType's default v40 interpreter,
# which leaves advances alone) but draws small text in black and white (the fonts' gasp tables
# turn smoothing off), hinted by the full v35 interpreter, whose advances differ: in Liberation
# Sans at 11 pixels a "w" is drawn 10 pixels wide and measured 8. Text placed by its measured
# advances (every edit, memo and rich edit: Uniscribe) then loses the space after each "w". With
# the v35 interpreter for both, measuring and drawing agree; the glyphs themselves stay the same.
export FREETYPE_PROPERTIES="truetype:interpreter-version=35"
korvane_wine=/usr/lib/wine/wine64
korvane_wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
korvane_xvfb_pid=

korvane_prepare_prefix() {
  [ -f "$WINEPREFIX/.korvane-ready-2" ] && return 0
  echo "wine: preparing $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  "$korvane_wine" wineboot -i >/dev/null 2>&1 || true
  "$korvane_wineserver" -w
  # Debian's Wine does not find its own fonts; without them every face becomes Liberation Sans.
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  # Wine draws the non-client areas itself (no window manager runs), and dialogs open at once.
  "$korvane_wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # A crashing program prints its backtrace and ends; no crash dialog waits for a click.
  "$korvane_wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  "$korvane_wineserver" -w
  touch "$WINEPREFIX/.korvane-ready-2"
}

wine_session_start() {
  if [ "${1:-}" = --own-display ] || [ -z "${DISPLAY:-}" ]; then
    local n=91
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    korvane_xvfb_pid=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  korvane_prepare_prefix
  "$korvane_wineserver" -p >/dev/null 2>&1 || true
  if [ -f "$korvane_build/wine_keepalive.exe" ]; then
    "$korvane_wine" "$korvane_build/wine_keepalive.exe" >/dev/null 2>&1 &
    korvane_keepalive_pid=$!
  fi
}

wine_session_stop() {
  [ -n "${korvane_keepalive_pid:-}" ] && kill "$korvane_keepalive_pid" 2>/dev/null
  "$korvane_wineserver" -k >/dev/null 2>&1 || true
  [ -n "$korvane_xvfb_pid" ] && kill "$korvane_xvfb_pid" 2>/dev/null
  true
}
