# A Wine prefix of the project's own and, when asked, a private Xvfb display.
# shellcheck shell=bash

: "${VANDRELLE_ROOT:?}"
export WINEPREFIX="${WINEPREFIX:-$VANDRELLE_ROOT/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="   # no Mono/Gecko install prompts
export WINEARCH=win64

# Starts Xvfb on a free display and exports DISPLAY; stop_xvfb ends it.
start_xvfb() {
  local n=90
  while [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  VANDRELLE_XVFB_PID=$!
  export DISPLAY=":$n"
  local tries=0
  until xdpyinfo >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ]; then echo "Xvfb did not start on $DISPLAY" >&2; return 1; fi
    sleep 0.1
  done
}

stop_xvfb() {
  [ -n "${VANDRELLE_XVFB_PID:-}" ] && kill "$VANDRELLE_XVFB_PID" 2>/dev/null && wait "$VANDRELLE_XVFB_PID" 2>/dev/null
  VANDRELLE_XVFB_PID=""
}

# Creates the prefix on first use and gives Arial and Verdana metric-compatible stand-ins.
prepare_wine_prefix() {
  if [ ! -f "$WINEPREFIX/.vandrelle-ready" ]; then
    echo "Preparing the Wine prefix in $WINEPREFIX (first run only)..."
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    local key='HKCU\Software\Wine\Fonts\Replacements'
    wine reg add "$key" /v Arial /t REG_SZ /d "Liberation Sans" /f >/dev/null 2>&1
    wine reg add "$key" /v Verdana /t REG_SZ /d "DejaVu Sans" /f >/dev/null 2>&1
    wine reg add "$key" /v "MS Sans Serif" /t REG_SZ /d "Liberation Sans" /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.vandrelle-ready"
  fi
  # A persistent wineserver keeps each later program start fast.
  wineserver -p >/dev/null 2>&1 || true
  # Start the prefix's background services now, away from our output: started by the first test
  # instead, they inherit CTest's output pipe and that test never ends.
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
}
