#!/bin/sh
# CPU time a conversion through register.dat costs beyond ffmpeg alone with the same work: a
# one-second sound converted RUNS times each way, alternating in ROUNDS rounds; prints the
# median extra CPU per run (user + system, children included).
# Usage: bench/encoder_cost.sh ENCODER [RUNS] [ROUNDS]
set -eu
encoder=${1:?usage: bench/encoder_cost.sh ENCODER [RUNS] [ROUNDS]}
runs=${2:-20}
rounds=${3:-5}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
ffmpeg -v error -f lavfi -i sine=frequency=440:duration=1 -ac 2 "$dir/in.wav"

# Total CPU seconds of RUNS runs of the command given.
cpu() {
    /usr/bin/time -f '%U %S' -o "$dir/t" sh -c 'i=0; while [ $i -lt "$0" ]; do "$@" >/dev/null 2>&1; i=$((i + 1)); done' "$runs" "$@"
    awk '{ printf "%.4f", $1 + $2 }' "$dir/t"
}

extras=""
for r in $(seq "$rounds"); do
    ours=$(cpu "$encoder" -vormek -vormin "$dir/in.wav" -vn -c:a pcm_s16le -y "$dir/a.wav")
    ref=$(cpu ffmpeg -hide_banner -nostdin -i "$dir/in.wav" -vn -c:a pcm_s16le -y "$dir/b.wav")
    extra=$(awk -v a="$ours" -v b="$ref" -v n="$runs" 'BEGIN { printf "%.1f", (a - b) * 1000 / n }')
    per=$(awk -v b="$ref" -v n="$runs" 'BEGIN { printf "%.1f", b * 1000 / n }')
    echo "round $r: ffmpeg alone $per ms CPU per run, register.dat $extra ms more"
    extras="$extras $extra"
done
# ffmpeg's own CPU varies by more than the difference between rounds: the same figure with a
# stand-in ffmpeg that does nothing (true), against that stand-in alone, is steadier.
ours=$(VC_FFMPEG=/bin/true cpu "$encoder" -vormek -vormin "$dir/in.wav" -vn -c:a pcm_s16le -y "$dir/a.wav")
ref=$(cpu /bin/true)
echo "register.dat around a stand-in ffmpeg that does nothing: $(awk -v a="$ours" -v b="$ref" -v n="$runs" 'BEGIN { printf "%.1f", (a - b) * 1000 / n }') ms CPU per run more than the stand-in alone"
median=$(echo "$extras" | tr ' ' '\n' | grep . | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
echo "register.dat's extra CPU per conversion: $median ms median of $rounds rounds (target at most 20 ms)"
