// Runs the glTF validator over every file named on the command line; fails on any error or
// warning, printing each with the file it is in.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { resolve } from 'node:path';

const [validatorFolder, ...files] = process.argv.slice(2);
const validator = createRequire(resolve(validatorFolder, 'index.js'))('gltf-validator');

let faults = 0;
for (const file of files) {
    const report = await validator.validateBytes(new Uint8Array(readFileSync(file)), { maxIssues: 0 });
    const { numErrors, numWarnings, numInfos, numHints, messages } = report.issues;
    for (const message of messages)
        if (message.severity <= 1)
            console.log(`${file}: ${message.severity === 0 ? 'error' : 'warning'} ${message.code} at ${message.pointer}: ${message.message}`);
    faults += numErrors + numWarnings;
    console.log(`${file}: ${numErrors} errors, ${numWarnings} warnings, ${numInfos} infos, ${numHints} hints`);
}
console.log(`${files.length} files checked by glTF validator ${validator.version()}: ${faults} errors and warnings`);
process.exit(faults === 0 && files.length > 0 ? 0 : 1);
