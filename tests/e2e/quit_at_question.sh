#!/usr/bin/env bash
# The real game asked to end (SIGTERM, as a closing session sends) while it waits on the
# full-screen question: it must end within five seconds, with no one answering.
# Usage: quit_at_question.sh BUILD-FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
source "$(dirname "$0")/virtual_display.sh"

start_display
start_game "$build"
find_window "スクリーン設定" >/dev/null
kill -TERM "$game"
await_game 5
echo "SIGTERM ended the game while its question waited"
