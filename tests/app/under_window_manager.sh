#!/bin/sh
# Runs the window tests that need a real screen: a private Xvfb display with
# the openbox window manager, the Qt xcb platform. Exits 77 (skipped) when
# Xvfb, openbox, xprop or xwininfo is not installed.
# usage: under_window_manager.sh TEST_APP [gtest filter]
# The screen is 1280x1024 unless ZELKORA_SCREEN gives another (e.g. 1024x768).
set -u
for tool in Xvfb openbox xprop xwininfo; do command -v $tool >/dev/null || { echo "$tool is needed"; exit 77; }; done
program=$1
filter=${2:-*UnderAWindowManager*}

# A display number nobody uses (from ZELKORA_DISPLAY, or 90, upwards).
display=${ZELKORA_DISPLAY:-90}
while [ -e /tmp/.X11-unix/X$display ] || [ -e /tmp/.X$display-lock ]; do display=$((display + 1)); done

Xvfb :$display -screen 0 ${ZELKORA_SCREEN:-1280x1024}x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
openbox_pid=
cleanup() {
    [ -n "$openbox_pid" ] && kill "$openbox_pid" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT INT TERM

# Wait until the server answers, then for the window manager to own the
# screen. On a busy machine openbox can give up while the server is still
# starting: it is started again while it is not running (30 s in all).
tries=0
until DISPLAY=:$display xprop -root >/dev/null 2>&1; do
    tries=$((tries + 1)); [ $tries -gt 300 ] && { echo "Xvfb did not start"; exit 1; }
    sleep 0.1
done
tries=0
until DISPLAY=:$display xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_FRAME_EXTENTS; do
    if [ -z "$openbox_pid" ] || ! kill -0 "$openbox_pid" 2>/dev/null; then
        DISPLAY=:$display openbox >/dev/null 2>&1 &
        openbox_pid=$!
    fi
    tries=$((tries + 1)); [ $tries -gt 300 ] && { echo "openbox did not start"; exit 1; }
    sleep 0.1
done
# The check window appears before openbox has finished starting.
sleep 1

DISPLAY=:$display QT_QPA_PLATFORM=xcb "$program" --gtest_filter="$filter"
