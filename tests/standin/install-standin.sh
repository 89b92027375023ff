#!/usr/bin/env bash
# Installs the stand-in Registry Editor in a Wine prefix as the 64-bit
# editor, C:\windows\regedit.exe, and makes Wine run that file instead of
# its own built-in editor. C:\windows\syswow64\regedit.exe stays Wine's.
# Usage: install-standin.sh STANDIN_EXE WINEPREFIX WINE_EXEC
set -euo pipefail
exe="$1"
export TARVIK_WINEPREFIX="$2"
wine_exec="$3"

# Runs first: it makes the prefix when there is none yet.
"$wine_exec" reg add 'HKCU\Software\Wine\DllOverrides' /v regedit.exe /d native /f >/dev/null

# Copied beside and renamed into place: a running editor keeps its old file.
target="$TARVIK_WINEPREFIX/drive_c/windows/regedit.exe"
cp "$exe" "$target.new"
mv -f "$target.new" "$target"
