#!/bin/sh
# Runs xdotool with the given arguments, then touches the marker file named
# first. Wine reports a Unix program's exit unreliably, so the Windows-side
# tests wait for the marker instead.
marker="$1"
shift
xdotool "$@"
touch "$marker"
