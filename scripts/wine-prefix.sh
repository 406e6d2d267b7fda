# Sourced by the Windows scripts: a throw-away Wine prefix set up as the
# tests and pictures need it, and removed (its own wineserver stopped) on exit.
#   wine_prefix_start [offscreen]   makes $WINEPREFIX; with "offscreen" Qt
#                                   programs start on the offscreen platform
#   wine_run PROGRAM ARGS...        runs a Windows program in it
# Wine does not pass QT_* variables of the Unix environment to Windows
# programs: they are set in the prefix's HKCU\Environment instead.

# Debian's wine64 keeps its programs in /usr/lib/wine.
export PATH="$PATH:/usr/lib/wine"
KESTRIN_WINE=$(command -v wine64 || command -v wine)
export WINEDEBUG=-all
# No Mono or Gecko download prompts.
export WINEDLLOVERRIDES="mscoree,mshtml="

wine_prefix_stop() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
}

wine_run() { "$KESTRIN_WINE" "$@"; }

wine_reg() { "$KESTRIN_WINE" reg "$@" >/dev/null; }

wine_prefix_start() {
  WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/kestrin-wine.XXXXXX")
  export WINEPREFIX
  trap wine_prefix_stop EXIT
  "$KESTRIN_WINE" wineboot --init >/dev/null 2>&1 || true
  wineserver -w
  winecfg=$(command -v winecfg || echo /usr/lib/wine/winecfg)
  "$KESTRIN_WINE" winecfg /v win10 >/dev/null 2>&1 || "$winecfg" /v win10 >/dev/null 2>&1 || true
  wine_reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
  # A fresh prefix has no "Arial" or "Courier New": their metric-compatible
  # Liberation faces stand in (Cyrillic included).
  local face
  for face in "Arial:Liberation Sans" "Arial Black:Liberation Sans" "Helvetica:Liberation Sans" \
      "MS Sans Serif:Liberation Sans" "Segoe UI:Liberation Sans" \
      "Microsoft Sans Serif:Liberation Sans" "Courier New:Liberation Mono" \
      "Courier:Liberation Mono" "Consolas:Liberation Mono" "Times New Roman:Liberation Serif"; do
    wine_reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${face%%:*}" /d "${face#*:}" /f
  done
  if [ "${1:-}" = offscreen ]; then
    wine_reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d offscreen /f
    # Qt's offscreen plugin on Windows reads font files from one folder rather
    # than asking GDI, so Wine's replacements do not reach it.
    wine_reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d "$(wine_path /usr/share/fonts/truetype/liberation)" /f
  fi
  wineserver -w
}

# Z:-path of a Unix path, as Windows programs in the prefix see it.
wine_path() { printf 'Z:%s' "$(realpath -m "$1" | sed 's|/|\\|g')"; }
