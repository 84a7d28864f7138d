# Environment of every Wine process of the test bench. Sourced, not run.
# The prefix lives outside the source tree and is shared by all build trees;
# start-session.sh serialises its users with a lock file beside it.
: "${ZORBEL_WINEPREFIX:=${XDG_CACHE_HOME:-$HOME/.cache}/zorbel/wineprefix}"
export WINEPREFIX="$ZORBEL_WINEPREFIX"
export WINEARCH=win64
export WINEDEBUG=-all
# Without Mono and Gecko Wine would offer to download them in a dialog.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes its German names and formats from the glibc locale; file names
# with umlauts need that locale generated (see make_german_locale).
export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
export LOCPATH="$WINEPREFIX-locale"
ZORBEL_PREFIX_LOCK="$WINEPREFIX.lock"
