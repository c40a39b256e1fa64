#!/bin/bash
# Installs what is missing, builds the program and starts it under Wine.
# Without a display it starts a virtual one, keeps the program running for
# a few seconds, saves a screenshot and prints its path.
#
#     tools/run.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
trap stop_started_processes EXIT

install_missing_packages
ensure_chinese_locale
# This machine runs only 64-bit Wine, so it starts the x86_64 build.
BUILD_NAME=program-x86_64 build_target x86_64 -DBUILD_TESTING=OFF
DIR="$BUILD_ROOT/program-x86_64"
PROGRAM="$DIR/app/AutoShutdown.exe"

if [ -n "${DISPLAY:-}" ]; then
    step "starting the program on $DISPLAY"
    exec "$DIR/wine-run.sh" "$PROGRAM"
fi

step "starting a virtual display"
start_virtual_display
start_wine_server "$DIR"
step "starting the program"
"$DIR/wine-run.sh" "$PROGRAM" &
PROGRAM_PID=$!
sleep "${RUN_SECONDS:-6}"
step "taking a screenshot"
SHOT="$BUILD_ROOT/screenshot.png"
import -window root -crop 360x270+460+377 "$SHOT"
kill "$PROGRAM_PID" 2>/dev/null || true
echo "Screenshot of the running program: $SHOT"
