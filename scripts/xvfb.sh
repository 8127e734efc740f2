# Sourced by the scripts that need a window: starts a private Xvfb on the
# first free display number, exports DISPLAY and stops the server on exit.
# An argument gives the screen's size and depth (by default 1280x1024x24).
start_xvfb() {
  local screen=${1:-1280x1024x24} display="" n
  for n in $(seq 90 120); do
    if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
      display=":${n}"
      break
    fi
  done
  [ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
  # -noreset: a server left without clients resets and refuses connections meanwhile.
  Xvfb "$display" -noreset -screen 0 "$screen" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
  for _ in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.1
  done
  export DISPLAY="$display"
}
