# Sourced by the scripts that run Windows programs: gives them the project's
# Wine prefix, a display, and a persistent wineserver, and stops what it
# started when the calling script exits.

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export TARVIK_WINEPREFIX="${TARVIK_WINEPREFIX:-$root/build/windows/wineprefix}"
export WINEPREFIX="$TARVIK_WINEPREFIX"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko downloads: there is no network for them, and nothing needs them.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

_session_xvfb=""
_session_server=""

# Stops only what this session started: another session may share the prefix.
stop_wine_session() {
  [ -n "$_session_server" ] && { wineserver -k >/dev/null 2>&1 || true; }
  [ -n "$_session_xvfb" ] && { kill "$_session_xvfb" >/dev/null 2>&1 || true; }
}

start_wine_session() {
  if [ -z "${DISPLAY:-}" ]; then
    local display
    for display in $(seq 91 140); do
      [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
    done
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    _session_xvfb=$!
    export DISPLAY=":$display"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  fi
  trap stop_wine_session EXIT

  mkdir -p "$(dirname "$WINEPREFIX")"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "creating the Wine prefix in $WINEPREFIX"
    # Created in the Simplified Chinese locale the program ships for, so
    # that Wine sets up system fonts with Chinese glyphs (window captions
    # otherwise show the title as boxes).
    LC_ALL=zh_CN.UTF-8 wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
  # A persistent server with its services already up: later Wine programs
  # start in a fraction of a second, and no service inherits a test's
  # output pipe (which would keep the test runner waiting).
  # When a server already runs for the prefix, it is someone else's: use it.
  if wineserver -p >/dev/null 2>&1; then _session_server=yes; fi
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}
