# Shared settings for the project's scripts; sourced, never run.
VEXILO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export VEXILO_ROOT
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes its ANSI code page from the locale: zh_CN.UTF-8 gives 936 (GBK).
export VEXILO_LOCALE=zh_CN.UTF-8
# Wine draws text through fontconfig's settings: ours turn antialiasing off.
export FONTCONFIG_FILE=$VEXILO_ROOT/scripts/wine-fonts.conf
: "${VEXILO_WINEPREFIX:=$VEXILO_ROOT/build/.wine}"
: "${VEXILO_TEST_WINEPREFIX:=$VEXILO_ROOT/build/.wine-test}"
export VEXILO_WINEPREFIX VEXILO_TEST_WINEPREFIX

vexilo_say() { printf '%s\n' "$*" >&2; }
vexilo_die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Runs a command quietly; shows its output only when it fails.
vexilo_quiet() {
  local log
  log=$(mktemp)
  if ! "$@" >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    return 1
  fi
  rm -f "$log"
}

# Wine's name for an absolute Unix path (drive Z: is the Unix root).  Computed
# here rather than with winepath, which would start a wineserver outside the
# display the program is about to use.
vexilo_winpath() {
  local p
  p=$(realpath -m "$1")
  printf 'Z:%s' "${p//\//\\}"
}
