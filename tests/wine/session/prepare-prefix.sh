#!/bin/sh
# Creates, when missing, the German glibc locale and the Wine prefix that
# wine-env.sh names (ZORBEL_WINEPREFIX). Logs go to folder $1.
set -eu
logs=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

if ! [ -f "$LOCPATH/de_DE.UTF-8/LC_CTYPE" ]; then
  echo "prepare-prefix: generating the de_DE.UTF-8 locale in $LOCPATH"
  mkdir -p "$LOCPATH"
  localedef -i de_DE -f UTF-8 "$LOCPATH/de_DE.UTF-8"
fi

if ! [ -f "$WINEPREFIX/system.reg" ]; then
  echo "prepare-prefix: creating the Wine prefix $WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")" "$logs"
  if ! timeout 300 wineboot -i </dev/null >"$logs/wineboot.log" 2>&1; then
    cat "$logs/wineboot.log" >&2
    echo "prepare-prefix: wineboot failed" >&2
    exit 1
  fi
  timeout 120 wineserver -w
fi

# Debian's Wine does not find its own Marlett font, so the caption buttons
# show the letters "0 1 r" instead of their symbols; a copy in the prefix's
# font folder cures it.
marlett=/usr/share/wine/fonts/marlett.ttf
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ -f "$marlett" ] && ! [ -f "$fonts/marlett.ttf" ]; then
  cp "$marlett" "$fonts/"
fi
