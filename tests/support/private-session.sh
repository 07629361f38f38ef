# Sourced by the shell tests: a home of their own (never the user's) and, on request,
# an X server of their own.
#   private_home          HOME, the XDG folders and PENNIVEL_DIR in a new folder, $home,
#                         removed at exit (with the X server, if one was started)
#   private_xvfb WxHxD    an Xvfb on a free display, exported as DISPLAY; calls skip()
#                         (the sourcing script's) when none starts

private_home() {
  home=$(mktemp -d)
  xvfb=
  trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$home"' EXIT
  export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data
  export XDG_STATE_HOME=$home/state XDG_RUNTIME_DIR=$home/runtime PENNIVEL_DIR=$home/pennivel
  export ASAN_OPTIONS=detect_leaks=0
  mkdir -m 700 "$XDG_RUNTIME_DIR"
}

private_xvfb() {
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$home/display" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 50); do [ -s "$home/display" ] && break; sleep 0.1; done
  [ -s "$home/display" ] || skip "Xvfb did not start"
  export DISPLAY=:$(cat "$home/display")
}
