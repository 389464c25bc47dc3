# Sourced by the Windows test runner and the run command: a Wine prefix of the project's own,
# never the user's, made once and kept warm by a persistent wineserver.
: "${TAVIMO_ROOT:=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
export WINEPREFIX="${WINEPREFIX:-$TAVIMO_ROOT/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer dialogs in a fresh prefix.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

wine_prefix_fresh() {
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
  wine_install_fonts
  # Ends by waiting for the wineserver to end, which writes the whole registry out.
  wine_use_virtual_desktop
}

# Every program of the prefix runs inside one virtual desktop: it has a real taskbar window,
# topmost means something, the lock stays inside it, and windows appear without the delays
# Wine has on a bare X display.
wine_use_virtual_desktop() {
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  wineserver -w
}

# Debian's Wine does not load its own fonts by itself.
wine_install_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  ln -sf /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
  ln -sf /usr/share/fonts/truetype/liberation2/*.ttf "$fonts/" 2>/dev/null || true
  ln -sf /usr/share/fonts/truetype/dejavu/*.ttf "$fonts/" 2>/dev/null || true
  local key='HKCU\Software\Wine\Fonts\Replacements'
  wine reg add "$key" /v "Times New Roman" /d "Liberation Serif" /f >/dev/null 2>&1
  wine reg add "$key" /v "Arial" /d "Liberation Sans" /f >/dev/null 2>&1
  wine reg add "$key" /v "Courier New" /d "Liberation Mono" /f >/dev/null 2>&1
  wine reg add "$key" /v "Impact" /d "DejaVu Sans Condensed" /f >/dev/null 2>&1
}
