#!/usr/bin/env bash
# Runs the creator's whole flow in the headless editor (Release) on a generated project of the given number of
# packages, shaped as a creator's pack (as many textures, materials and static meshes, a thirtieth as many
# blueprints, one level with the rest as external actors), and prints each step's wall time, CPU time (the pak
# tool's included) and peak resident memory, sampled from /proc while the step runs.
# Usage: Scripts/MeasureFlow.sh <packages> [project folder, kept afterwards]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
	echo "Usage: $0 <packages> [project folder]" >&2
	exit 2
fi
packages="$1"
build="${QUILLON_BENCHMARK_BUILD_DIR:-$root/Build/Release}"
"$root/Scripts/Setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_SANITIZE=OFF >/dev/null
cmake --build "$build" --target StandInEditor UnrealPak Cmd >/dev/null
editor="$build/Engine/Binaries/Win64/StandInEditor"

if [ $# -eq 2 ]; then
	project="$2"
	rm -rf "$project"
	mkdir -p "$project"
else
	project="$(mktemp -d)"
	trap 'rm -rf "$project"' EXIT
fi
mkdir -p "$project/Content"
echo '{ "FileVersion": 3, "EngineAssociation": "5.5" }' > "$project/Flow.uproject"
"$root/Scripts/InstallPlugin.sh" "$project"

awk -v N="$packages" 'BEGIN {
	t = int(N * 8 / 30); b = int(N / 30); a = N - 3 * t - b - 1
	print "{ \"Assets\": ["
	for (i = 0; i < t; i++) printf "{ \"Class\": \"Texture2D\", \"Package\": \"/Game/Pack/Textures/T_Surface_%d\" },\n", i
	for (i = 0; i < t; i++) printf "{ \"Class\": \"Material\", \"Package\": \"/Game/Pack/Materials/M_Surface_%d\", \"References\": [ \"/Game/Pack/Textures/T_Surface_%d\" ] },\n", i, i
	for (i = 0; i < t; i++) printf "{ \"Class\": \"StaticMesh\", \"Package\": \"/Game/Pack/Meshes/SM_Prop_%d\", \"References\": [ \"/Game/Pack/Materials/M_Surface_%d\" ] },\n", i, i
	for (i = 0; i < b; i++) printf "{ \"Class\": \"Blueprint\", \"Package\": \"/Game/Pack/Blueprints/BP_Prop_%d\", \"References\": [ \"/Game/Pack/Meshes/SM_Prop_%d\" ] },\n", i, i * 8 % t
	printf "{ \"Class\": \"World\", \"Package\": \"/Game/Pack/Maps/L_World\", \"ExternalActors\": ["
	for (i = 0; i < a; i++) printf "%s\"/Game/Pack/Blueprints/BP_Prop_%d\"", (i ? ", " : " "), i % b
	print " ] },"
	print "{ \"Class\": \"Z4Package\", \"Package\": \"/Game/Pack/Package\", \"Name\": \"Flow Pack\" }"
	print "] }"
}' > "$project/Content.json"
/usr/bin/time -f "Make content: %e s wall, %U + %S s CPU, peak %M KB" "$editor" "$project/Flow.uproject" \
	-MakeContent="$project/Content.json" > "$project/MakeContent.log" 2>&1
tail -1 "$project/MakeContent.log"

log="$project/Flow.log"
stdbuf -oL "$editor" "$project/Flow.uproject" -Package=/Game/Pack/Package -Answer="Restart Required=No,Message=Ok" \
	-Run=AddAllAssets,FindDependencies,ApplyCookSettings,CookContent,MakePakFile,LogPakFile > "$log" 2>&1 &
pid=$!
ticks="$(getconf CLK_TCK)"
# One sample a tenth of a second: the time, the last step header printed so far, resident memory and CPU ticks of the
# editor and of the programs it has waited for.
offset=1
step="Start"
while status="$(cat "/proc/$pid/status" 2>/dev/null)" && stat="$(cat "/proc/$pid/stat" 2>/dev/null)"; do
	size="$(stat -c %s "$log")"
	header="$(tail -c +"$offset" "$log" | head -c $(( size + 1 - offset )) | grep -a '^== ' | tail -1 || true)"
	offset=$(( size + 1 ))
	[ -n "$header" ] && step="${header//=/}"
	rss="$(awk '/^VmRSS:/ { print $2 }' <<< "$status")"
	hwm="$(awk '/^VmHWM:/ { print $2 }' <<< "$status")"
	# An ending process has given its memory back and has no figures left.
	[ -n "$rss" ] && [ -n "$hwm" ] || break
	cpu="$(awk '{ sub(/^.*\) /, ""); print $12 + $13 + $14 + $15 }' <<< "$stat")"
	[ "$(awk '{ sub(/^.*\) /, ""); print $1 }' <<< "$stat")" = "Z" ] && break
	echo "$EPOCHREALTIME $rss $cpu $hwm $step"
	sleep 0.1
done > "$project/Samples.txt"
wait "$pid" && code=0 || code=$?
awk -v ticks="$ticks" '
	{ time = $1; rss = $2; cpu = $3; hwm = $4; $1 = $2 = $3 = $4 = ""; name = substr($0, 5) }
	NR == 1 { start = time }
	name != current {
		if (current != "") { printf "%-24s %8.1f s wall %8.1f s CPU   peak %6.0f MB\n", current, time - since, (cpu - cpuSince) / ticks, peak / 1024 }
		current = name; since = time; cpuSince = cpu; peak = 0
	}
	{ if (rss > peak) peak = rss; last = time; lastCpu = cpu }
	END {
		printf "%-24s %8.1f s wall %8.1f s CPU   peak %6.0f MB\n", current, last - since, (lastCpu - cpuSince) / ticks, peak / 1024
		printf "%-24s %8.1f s wall %8.1f s CPU   peak %6.0f MB\n", "Whole flow", last - start, lastCpu / ticks, hwm / 1024
	}' "$project/Samples.txt"
echo "Exit code $code; the editor's output is in $log"
