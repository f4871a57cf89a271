#!/bin/sh
# Prints the glTF validator's report on the whole country station at 1:87, in the form the
# README quotes it, so that the figures there come from a run.
# Usage: scripts/gltf-report.sh [BUILD_FOLDER]   (after the gltf/validator test installed the validator)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
validator=$build/gltf-validator
if [ ! -d "$validator/node_modules/gltf-validator" ]; then
    echo "The glTF validator is not installed in $validator: run 'ctest --test-dir $build -R gltf/validator' first." >&2
    exit 1
fi
model=$(mktemp -d)
trap 'rm -rf "$model"' EXIT
"$build/bin/modelwright-cli" mesh "$root/examples/country-station.wo3" --all --scale 1:87 -o "$model/country-station.glb"
node --input-type=module - "$validator" "$model/country-station.glb" <<'SCRIPT'
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { resolve } from 'node:path';

const [validatorFolder, file] = process.argv.slice(2);
const validator = createRequire(resolve(validatorFolder, 'index.js'))('gltf-validator');
const report = await validator.validateBytes(new Uint8Array(readFileSync(file)), { maxIssues: 0 });
const { numErrors, numWarnings, numInfos, numHints, messages } = report.issues;
const { version, generator, materialCount, drawCallCount, totalVertexCount, totalTriangleCount } = report.info;
console.log(`"validatorVersion": ${JSON.stringify(report.validatorVersion)},`);
console.log(`"issues": { "numErrors": ${numErrors}, "numWarnings": ${numWarnings}, "numInfos": ${numInfos}, "numHints": ${numHints}, "messages": ${JSON.stringify(messages)} },`);
console.log(`"info": { "version": ${JSON.stringify(version)}, "generator": ${JSON.stringify(generator)}, "materialCount": ${materialCount},`);
console.log(`          "drawCallCount": ${drawCallCount}, "totalVertexCount": ${totalVertexCount}, "totalTriangleCount": ${totalTriangleCount} }`);
SCRIPT
