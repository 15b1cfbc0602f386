#!/usr/bin/env bash
# The installed game as a player starts it: a staged install (DESTDIR) into a folder of its
# own, its launcher started from another folder, must load all of DATA, show the question,
# reach the title and quit with exit code 0 on Escape. Its desktop entry and AppStream
# metadata must pass their validators.
# Usage: staged_install.sh BUILD-FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
source "$(dirname "$0")/virtual_display.sh"
stage=$(mktemp -d)
trap 'clean_up; rm -rf "$stage"' EXIT

DESTDIR="$stage" cmake --install "$build" --prefix /opt/veltrane >/dev/null
desktop-file-validate "$stage"/opt/veltrane/share/applications/veltrane.desktop
appstreamcli validate --no-net "$stage"/opt/veltrane/share/metainfo/*.metainfo.xml

export VELTRANE_LOG=1                               # a file the game cannot find says so
start_display
start_game "$build" "$stage" "$stage/opt/veltrane/games/veltrane"
answer_question Escape
sleep 2                                             # some frames of the title
quit_with_escape
if [ -s "$game_log" ]; then
  echo "the installed game printed:"
  exit 1
fi
echo "the staged install started from another folder, ran and quit with exit code 0"
