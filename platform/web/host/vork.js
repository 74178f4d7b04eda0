// Starts the game in the page: each service's host functions, the game's
// module, and what the page shows once the program has ended.

import { Game } from './game.js';
import { createInput } from './input.js';
import { createPointer } from './pointer.js';
import { createPresent } from './present.js';
import { createWait } from './wait.js';
import { createWasi } from './wasi.js';
import { createWindow } from './window.js';

const canvas = document.getElementById('picture');
const crossHair = document.getElementById('cross-hair');
const status = document.getElementById('status');

let memory = null;
const currentMemory = () => memory;

const game = new Game(ended);
const gameWindow = createWindow(canvas, document.getElementById('caption'), status, crossHair, currentMemory);
const present = createPresent(canvas, currentMemory);
const pointer = createPointer(canvas, crossHair, status, gameWindow);
const input = createInput(canvas, pointer, currentMemory);
const wait = createWait(game, input);

// Hosts that do not serve .wasm as application/wasm still get the game.
async function instantiate(url, imports) {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url}: ${response.status} ${response.statusText}`);
  if (response.headers.get('Content-Type')?.startsWith('application/wasm')) {
    return WebAssembly.instantiateStreaming(response, imports);
  }
  return WebAssembly.instantiate(await response.arrayBuffer(), imports);
}

// The last picture stays; the page says how it ended and offers a new game.
function ended(exitStatus, error) {
  input.stop();
  pointer.release();
  present.flush();
  document.body.dataset.exitStatus = exitStatus;
  const again = document.createElement('a');
  again.href = location.pathname + location.search;
  again.textContent = 'Start again';
  status.replaceChildren(exitStatus === 0 ? 'The game has ended. ' : `The game stopped (${error ?? `status ${exitStatus}`}). `, again);
  if (error) console.error(error);
}

try {
  const { instance } = await instantiate('vork.wasm', {
    vork: { ...gameWindow.imports, ...present.imports, ...pointer.imports, ...input.imports, ...wait },
    wasi_snapshot_preview1: createWasi(currentMemory, console),
  });
  memory = instance.exports.memory;
  game.attach(instance);
  game.start();
} catch (error) {
  ended(1, error);
}

// Everything is loaded: a service worker may now keep the site for playing
// offline (worker.js). Where a browser has none, or refuses it, nothing changes.
navigator.serviceWorker?.register('worker.js').catch(() => {});
