#!/bin/sh
# The .glb files of every sample part and of random catalogues, checked by the glTF
# validator (npm package, pinned), installed once into the build tree.
# Usage: test_gltf_validator.sh BUILD_FOLDER EXAMPLES_FOLDER
set -eu
build=$1
examples=$2
here=$(cd "$(dirname "$0")" && pwd)
version=2.0.0-dev.3.10
validator=$build/gltf-validator

if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    echo "FAILED: node and npm are needed to run the glTF validator (scripts/deps.sh installs them)." >&2
    exit 1
fi
if [ "$(cat "$validator/node_modules/gltf-validator/package.json" 2>/dev/null | grep -c "\"version\": \"$version\"")" -eq 0 ]; then
    mkdir -p "$validator"
    if ! npm install --prefix "$validator" --no-save --no-audit --no-fund "gltf-validator@$version" >"$validator/npm.log" 2>&1; then
        echo "FAILED: npm could not install gltf-validator@$version, so nothing was validated:" >&2
        tail -5 "$validator/npm.log" >&2
        exit 1
    fi
fi

models=$(mktemp -d)
trap 'rm -rf "$models"' EXIT
"$build/tests/mesh_validation_models" "$examples" "$models" >/dev/null
node "$here/validate.mjs" "$validator" "$models"/*.glb
