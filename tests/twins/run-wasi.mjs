// Runs a wasm32-wasi program under Node's WASI with the terminal's standard
// streams and no files: node run-wasi.mjs program.wasm
import { readFile } from 'node:fs/promises';
import { argv, exit } from 'node:process';
import { WASI } from 'node:wasi';

const wasi = new WASI({ version: 'preview1', args: [argv[2]], returnOnExit: true });
const program = await WebAssembly.compile(await readFile(argv[2]));
const instance = await WebAssembly.instantiate(program, wasi.getImportObject());
exit(wasi.start(instance));
