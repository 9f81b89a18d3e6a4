#!/usr/bin/env bash
# with_installed_game.sh BUILD COMMAND [ARGS...]: installs the game built in
# BUILD into a fresh temporary prefix and runs COMMAND in an empty working
# folder, with TRIMBOL_PREFIX naming the prefix. The prefix's share is the
# only system data folder and the data home is empty, so nothing of this
# machine's own installation or of the user's home gets in. Everything is
# removed afterwards.
set -euo pipefail
build="$1"
shift
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/prefix" "$scratch/data-home" "$scratch/work"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
cd "$scratch/work"
TRIMBOL_PREFIX="$scratch/prefix" XDG_DATA_DIRS="$scratch/prefix/share" \
  XDG_DATA_HOME="$scratch/data-home" "$@"
