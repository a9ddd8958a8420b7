#!/usr/bin/env bash
# Installs the plug-in into a project for the headless editor, as a creator copies it into a real project: the
# plug-in's folder, plus its content in the stand-in's package format (EngineStandIn/PluginContent), which a real
# editor could not read and so does not ship in Plugins/QuillonSDKBase.
# Usage: Scripts/InstallPlugin.sh <project folder>
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ $# -ne 1 ] || [ ! -d "$1" ]; then
	echo "Usage: $0 <project folder>" >&2
	exit 2
fi
target="$1/Plugins/QuillonSDKBase"
rm -rf "$target"
mkdir -p "$1/Plugins"
cp -R "$root/Plugins/QuillonSDKBase" "$target"
cp -R "$root/EngineStandIn/PluginContent/QuillonSDKBase/Content" "$target/Content"
