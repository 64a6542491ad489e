# shellcheck shell=bash disable=SC2034 # the sourcing scripts use what it sets
# What the scripts share. Environment: JOBS (build and test jobs, default 2), KEEP=1 (keep $work).
set -euo pipefail
export LC_ALL=C
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
me=${0##*/} jobs=${JOBS:-2} generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
mingw_cxx=$(command -v x86_64-w64-mingw32-g++-posix || command -v x86_64-w64-mingw32-g++ || true)

# find_wine: $wine and $wineserver (WINE64 and WINESERVER, else Debian's or PATH's), if both run.
find_wine() {
  wine=${WINE64:-/usr/lib/wine/wine64}
  [[ -x $wine ]] || wine=$(command -v wine64 || true)
  wineserver=${WINESERVER:-$(dirname "${wine:-/usr/lib/wine/wine64}")/wineserver}
  [[ -x $wineserver ]] || wineserver=$(command -v wineserver || true)
  [[ -x $wine && -x $wineserver ]]
}
have_zig() { python3 -m ziglang version >/dev/null 2>&1; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }
die() { echo "$me: $*" >&2; exit 1; }
skip() { echo "$me: skipped: $*"; exit $((${REQUIRED:-0} == 1)); }  # a failure only where REQUIRED=1
have() { local tool; for tool; do command -v "$tool" >/dev/null || return; done; }
workdir() {  # NAME: $work, a new temporary directory, removed on the way out unless KEEP=1
  work=$(cd "$(mktemp -d "${TMPDIR:-/tmp}/linewright-$1.XXXXXX")" && pwd -P)
  if [[ ${KEEP:-0} == 1 ]]; then echo "keeping $work"; fi
  trap remove_work EXIT
}
remove_work() { if [[ ${KEEP:-0} != 1 ]]; then rm -rf "$work"; fi; }

# logged LOG COMMAND...: COMMAND's output is added to LOG, and shown when it fails.
logged() { "${@:2}" >>"$1" 2>&1 || { local status=$?; cat "$1"; return "$status"; }; }
# configure DIR CMAKE-ARGS...: a Release tree without tests, logged in DIR.log; build builds it (or TARGET).
configure() {
  local gen=("${generator[@]}")
  [[ ! -f $1/CMakeCache.txt ]] || gen=()
  mkdir -p "$1" && : >"$1.log"
  logged "$1.log" cmake -S "$root" -B "$1" "${gen[@]}" -DCMAKE_BUILD_TYPE=Release -DLINEWRIGHT_BUILD_TESTS=OFF "${@:2}"
}
build() { configure "$@" && logged "$1.log" cmake --build "$1" -j "$jobs" ${TARGET:+--target "$TARGET"}; }
preset() {  # NAME [TARGET]: the preset configured once, then built, logged in build/NAME.log
  echo "== building ${2:-all} (preset $1)"
  mkdir -p "$root/build" && : >"$root/build/$1.log"
  (cd "$root" && { [[ -f build/$1/CMakeCache.txt ]] || logged "build/$1.log" cmake --preset "$1"; } &&
    logged "build/$1.log" cmake --build --preset "$1" -j "$jobs" ${2:+--target "$2"})
}
# macro DIR NAME: a string of the version header a build in DIR generated.
macro() { sed -n "s/^#define $2 \"\(.*\)\"$/\1/p" "$1/generated/include/linewright_version.h"; }

# Cases: pass or fail at once, or begin LABEL, a note for each fault, finish; verdict closes.
passed=0 failed=0
pass() { echo "  ok  $*"; passed=$((passed + 1)); }
fail() { echo "FAIL  $*"; failed=$((failed + 1)); }
begin() { label=$1 reasons=(); }
note() { reasons+=("$*"); }
finish() { if ((${#reasons[@]})); then fail "$label$(printf '\n      %s' "${reasons[@]}")"; else pass "$label"; fi; }
same() { if [[ $2 == "$3" ]]; then pass "$1"; else fail "$1: $(printf '%q' "$2"), not $(printf '%q' "$3")"; fi; }
verdict() { echo "$me: $passed passed, $failed failed ($SECONDS s)"; ((failed == 0)); }
# expect LABEL STATUS OUT ERR COMMAND...: COMMAND ends with STATUS, writes exactly OUT and, to stderr, ERR (a glob).
expect() {
  local status=0 out err
  "${@:5}" >"$work/out" 2>"$work/err" || status=$?
  out=$(cat "$work/out"; echo .) err=$(cat "$work/err"; echo .)
  # shellcheck disable=SC2053 # the wanted standard error is a pattern
  if [[ $status == "$2" && ${out%.} == "$3" && ${err%.} == $4 ]]; then pass "$1"; else
    fail "$1: ${*:5} ended with $status and wrote $(printf '%q' "${out%.}") and $(printf '%q' "${err%.}")"
  fi
}
through_pipe() { "$@" | cat; }
to_full() { "$@" >/dev/full; }
