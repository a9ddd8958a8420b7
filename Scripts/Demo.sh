#!/usr/bin/env bash
# The creator's whole flow on a copy of the sample project: sets up, builds the headless editor (no
# sanitizers, in a build folder of its own), copies Examples/SampleProject to a temporary folder, installs
# the plug-in into the copy as a creator would, opens the sample's package in its editor and clicks through
# its details panel from collecting the assets to listing the pak. The checked-in sample stays as it is.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/Scripts/Setup.sh"

build="${QUILLON_DEMO_BUILD_DIR:-$root/Build/Demo}"
mkdir -p "$build"
echo "Building the headless editor and the pak tool in $build (the first build takes a few minutes)"
if ! { cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_SANITIZE=OFF &&
	cmake --build "$build" --target StandInEditor UnrealPak Cmd --parallel "$(nproc)"; } >"$build/DemoBuild.log" 2>&1; then
	tail -n 40 "$build/DemoBuild.log" >&2
	echo "The build failed; its whole log is $build/DemoBuild.log" >&2
	exit 1
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/quillon-demo.XXXXXX")"
project="$work/SampleProject"
cp -R "$root/Examples/SampleProject" "$project"
"$root/Scripts/InstallPlugin.sh" "$project"
echo "The sample project, with the plug-in installed, is in $project"
echo

"$build/Engine/Binaries/Win64/StandInEditor" "$project/SampleProject.uproject" \
	-Package=/Game/Tavern/TavernPack -Details \
	-Answer="Restart Required=No,Message=Ok" \
	-Click="Add All Assets" -Click="Find Dependencies" -Click="Apply Cook Settings" \
	-Run=CookContent \
	-Click="Make Pak File" -Click="Log Pak File"
