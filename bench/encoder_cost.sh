#!/bin/sh
# CPU time a conversion through register.dat costs beyond ffmpeg alone with the same work: a
# one-second sound converted RUNS times each way, alternating in ROUNDS rounds; prints the
# median extra CPU per run (user + system, children included). Then the same sound-only job as
# register.dat does it itself, alone and through an encoder server as a batch has.
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

# With the muxer named (as the program's command lines name it) the job is one register.dat
# does in-process.
ref=$(cpu ffmpeg -hide_banner -nostdin -i "$dir/in.wav" -vn -c:a pcm_s16le -f wav -y "$dir/b.wav")
ours=$(cpu "$encoder" -vormek -vormin "$dir/in.wav" -vn -c:a pcm_s16le -f wav -y "$dir/a.wav")
echo "in-process: $(awk -v a="$ours" -v n="$runs" 'BEGIN { printf "%.1f", a * 1000 / n }') ms CPU per run; ffmpeg alone $(awk -v b="$ref" -v n="$runs" 'BEGIN { printf "%.1f", b * 1000 / n }') ms"

# Through a server: its jobs' CPU is counted in the server's own figures (/proc), read before
# and after the runs.
server_cpu() {
    awk '{ printf "%.4f", ($14 + $15 + $16 + $17) / '"$(getconf CLK_TCK)"' }' "/proc/$1/stat"
}
# The server runs until its input ends: a pipe this script holds open.
mkfifo "$dir/input"
"$encoder" -vormserve "$dir/server" <"$dir/input" >/dev/null 2>&1 &
server=$!
exec 3>"$dir/input"
i=0
while [ ! -S "$dir/server" ] && [ $i -lt 100 ]; do sleep 0.05; i=$((i + 1)); done
sleep 0.5  # its libraries loaded
before=$(server_cpu "$server")
ours=$(VC_ENCODER_SERVER="$dir/server" cpu "$encoder" -vormek -vormin "$dir/in.wav" -vn -c:a pcm_s16le -f wav -y "$dir/a.wav")
after=$(server_cpu "$server")
exec 3>&-
wait "$server"
echo "through an encoder server: $(awk -v a="$ours" -v x="$before" -v y="$after" -v n="$runs" 'BEGIN { printf "%.1f", (a + y - x) * 1000 / n }') ms CPU per run (the asking register.dat and the job together)"
