# Sourced by ./test (and by anyone running the screen reader tests by hand):
#   zq_start_private_accessibility_bus FOLDER
# starts what a screen reader talks to on a desktop, privately: a session
# D-Bus, the accessibility bus launcher on it (which starts the
# accessibility bus itself) and the registry of accessible applications.
# Each runs as a child of the calling shell (call the function directly, not
# in $(...), so that the shell reaps them); their process ids are left in
# zq_private_accessibility_pids, and the caller stops them by those ids
# (stopping the launcher also ends the accessibility bus it started). The
# session bus's address is left in zq_private_session_bus, empty when
# something failed to start.
#
# The session bus's configuration names no service folder, so nothing is
# started behind the caller's back: the registry, which D-Bus would
# otherwise start (and which would then outlive the tests), is started here.
# Programs turn their accessibility on when they find the launcher on the
# session bus and are told to (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 for a Qt
# program, as a screen reader's switch does on a desktop).
zq_start_private_accessibility_bus() {
  local folder=$1
  zq_private_accessibility_pids=()
  zq_private_session_bus=""
  cat >"$folder/session.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=$folder/session_bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
  dbus-daemon --config-file="$folder/session.conf" --nofork --print-address=3 \
    3>"$folder/session.address" 2>"$folder/session.log" &
  zq_private_accessibility_pids+=($!)
  local _
  for _ in $(seq 300); do
    [ -s "$folder/session.address" ] && break
    sleep 0.01
  done
  [ -s "$folder/session.address" ] || return 0
  local session_bus
  session_bus=$(head -n 1 "$folder/session.address")

  # Without a runtime folder of its own the launcher would write into the
  # home folder; without DISPLAY it leaves the X server's root window alone.
  mkdir -m 700 "$folder/runtime"
  env -u DISPLAY DBUS_SESSION_BUS_ADDRESS="$session_bus" XDG_RUNTIME_DIR="$folder/runtime" \
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$folder/launcher.log" 2>&1 &
  zq_private_accessibility_pids+=($!)
  local accessibility_bus=""
  for _ in $(seq 300); do
    accessibility_bus=$(DBUS_SESSION_BUS_ADDRESS="$session_bus" dbus-send --session --print-reply=literal \
      --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ') &&
      [ -n "$accessibility_bus" ] && break
    sleep 0.01
  done
  [ -n "$accessibility_bus" ] || return 0

  AT_SPI_BUS_ADDRESS="$accessibility_bus" /usr/libexec/at-spi2-registryd >"$folder/registry.log" 2>&1 &
  zq_private_accessibility_pids+=($!)
  for _ in $(seq 300); do
    if dbus-send --bus="$accessibility_bus" --print-reply --dest=org.freedesktop.DBus / \
      org.freedesktop.DBus.GetNameOwner string:org.a11y.atspi.Registry >/dev/null 2>&1; then
      zq_private_session_bus=$session_bus
      return 0
    fi
    sleep 0.01
  done
}
