#!/bin/bash
# Installs what is missing, builds both targets and runs the whole test
# suite under Wine in a virtual display.
#
#     tools/test.sh [ctest arguments...]
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
trap stop_started_processes EXIT

install_missing_packages
ensure_chinese_locale
build_target i686 -DBUILD_TESTING=OFF
build_target x86_64 -DBUILD_TESTING=ON

step "starting a virtual display"
start_virtual_display
echo "    DISPLAY=$DISPLAY"
start_wine_server "$BUILD_ROOT/x86_64"

step "running the tests"
cd "$BUILD_ROOT/x86_64"
ctest --output-on-failure "$@"
