#!/usr/bin/env bash
# Wall time of `zubkit grep -c` against GNU `grep -c` on the same 64 MiB text file, each
# run as a process the way a user runs them. The file is made here: log-like lines of
# about 90 bytes, one in 200 with "error code N". Each case runs once to warm the page
# cache, then RUNS times per tool; the median is shown with the ratio zubkit / grep, and
# the counts of both must agree.
#
# Usage: bench/grep_vs_gnu.sh [ZUBKIT] (default: build/release/tools/zubkit/zubkit)
# Environment: RUNS (default 11), SIZE_MIB (default 64).
set -euo pipefail

zubkit=${1:-build/release/tools/zubkit/zubkit}
runs=${RUNS:-11}
size_mib=${SIZE_MIB:-64}
[ -x "$zubkit" ] || { echo "no zubkit at $zubkit (build the release preset first)" >&2; exit 2; }
command -v grep >/dev/null || { echo "GNU grep is needed as the peer" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
text=$work/log.txt
awk -v bytes=$((size_mib * 1024 * 1024)) 'BEGIN {
  srand(20240517);
  split("INFO INFO INFO INFO DEBUG WARN", level, " ");
  split("request served in ms from cache worker queue upload download user session token retry timeout", word, " ");
  size = 0; n = 0;
  while (size < bytes) {
    n++;
    line = sprintf("2024-05-%02d %02d:%02d:%02d %s worker-%d", n % 28 + 1, n % 24, n % 60, (n * 7) % 60,
                   level[int(rand() * 6) + 1], int(rand() * 64));
    k = 4 + int(rand() * 8);
    for (i = 0; i < k; i++) line = line " " word[int(rand() * 15) + 1];
    if (rand() < 0.005) line = line " error code " int(rand() * 100);
    line = line " id=" int(rand() * 1000000);
    size += length(line) + 1;
    print line;
  }
}' >"$text"
truncate -s $((size_mib * 1024 * 1024)) "$text"

# The median wall time of a command in milliseconds, over $runs runs after one warm-up.
# Output goes to a file, not to /dev/null: GNU grep notices /dev/null and stops at the
# first match, as with -q.
median_ms() {
  "$@" >"$work/out" || true
  local times=() t0 t1
  for _ in $(seq "$runs"); do
    t0=$(date +%s%N)
    "$@" >"$work/out" || true
    t1=$(date +%s%N)
    times+=($(((t1 - t0) / 1000)))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { printf "%.1f", t[int((NR + 1) / 2)] / 1000 }'
}

printf 'zubkit: %s\ngrep:   %s\nfile:   %d MiB, %d lines; %d runs each, median wall time\n\n' \
  "$zubkit" "$(grep --version | head -1)" "$size_mib" "$(wc -l <"$text")" "$runs"
printf '%-34s %8s %10s %10s %7s\n' case matches "zubkit ms" "grep ms" ratio

# case name | zubkit grep options and pattern | GNU grep options and pattern
cases=(
  "literal, 1 line in 200|error code|error code"
  "literal, in no line|zebra|zebra"
  "literal, ignoring case|-i ERROR CODE|-i ERROR CODE"
  "literal and a set|code [0-9]+|-E code [0-9]+"
  "no literal part (every line decoded)|[xyz]q|[xyz]q"
)
for c in "${cases[@]}"; do
  IFS='|' read -r name ours theirs <<<"$c"
  # Options come first, the rest of the field is the pattern.
  read -r -a ours_words <<<"$ours"
  read -r -a theirs_words <<<"$theirs"
  ours_opts=() theirs_opts=()
  while [ "${ours_words[0]:0:1}" = "-" ]; do ours_opts+=("${ours_words[0]}"); ours_words=("${ours_words[@]:1}"); done
  while [ "${theirs_words[0]:0:1}" = "-" ]; do theirs_opts+=("${theirs_words[0]}"); theirs_words=("${theirs_words[@]:1}"); done
  ours_pattern="${ours_words[*]}" theirs_pattern="${theirs_words[*]}"
  n_ours=$("$zubkit" grep -c ${ours_opts[@]+"${ours_opts[@]}"} "$ours_pattern" "$text" || true)
  n_theirs=$(grep -c ${theirs_opts[@]+"${theirs_opts[@]}"} "$theirs_pattern" "$text" || true)
  if [ "$n_ours" != "$n_theirs" ]; then
    echo "$name: zubkit counts $n_ours lines, grep $n_theirs" >&2
    exit 1
  fi
  ms_ours=$(median_ms "$zubkit" grep -c ${ours_opts[@]+"${ours_opts[@]}"} "$ours_pattern" "$text")
  ms_theirs=$(median_ms grep -c ${theirs_opts[@]+"${theirs_opts[@]}"} "$theirs_pattern" "$text")
  printf '%-34s %8s %10s %10s %7s\n' "$name" "$n_ours" "$ms_ours" "$ms_theirs" \
    "$(awk -v a="$ms_ours" -v b="$ms_theirs" 'BEGIN { printf "%.2f", a / b }')"
done
