// Runs the game's module. A page may not block, so the game's waits suspend
// it: binaryen's asyncify unwinds its stack into a buffer and hands control
// back to the page, and resuming it rewinds the stack from there, into the
// wait that suspended it, which then returns.

import { ProgramExit } from './wasi.js';

const PageSize = 65536;

export class Game {
  constructor(onEnd) {
    this.onEnd = onEnd;
    this.ended = false;
    this.rewinding = false;
  }

  attach(instance) {
    this.exports = instance.exports;
    // A page of its own for the saved stack; the C library's allocator
    // grows the memory past whatever it did not grow itself.
    this.stack = this.exports.memory.grow(1) * PageSize;
  }

  start() {
    this.exports._initialize();
    this.enter();
  }

  // For the waits: true when the game is being resumed into this wait, which
  // must then just return.
  resuming() {
    if (!this.rewinding) return false;
    this.exports.asyncify_stop_rewind();
    this.rewinding = false;
    return true;
  }

  // For the waits: unwinds the game back to the page once the import returns.
  suspend() {
    const header = new Int32Array(this.exports.memory.buffer, this.stack, 2);
    header[0] = this.stack + 8;
    header[1] = this.stack + PageSize;
    this.exports.asyncify_start_unwind(this.stack);
  }

  resume() {
    if (this.ended) return;
    this.exports.asyncify_start_rewind(this.stack);
    this.rewinding = true;
    this.enter();
  }

  enter() {
    let status;
    try {
      status = this.exports.main(0, 0);
    } catch (error) {
      this.end(error instanceof ProgramExit ? error.status : 1, error instanceof ProgramExit ? null : error);
      return;
    }
    if (this.exports.asyncify_get_state() === 1) {
      this.exports.asyncify_stop_unwind();
    } else {
      this.end(status, null);
    }
  }

  end(status, error) {
    this.ended = true;
    this.onEnd(status, error);
  }
}
