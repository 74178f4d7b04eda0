// Runs the game's module. A page may not block, so the game's waits suspend
// it: binaryen's asyncify unwinds its stack into a buffer and hands control
// back to the page, and resuming it rewinds the stack from there, into the
// wait that suspended it, which then returns.
// A wake-up may come while the game is still running: a wait whose deadline
// passes as it suspends, or an event a browser dispatches from inside one of
// the game's calls. Entering the module again then would rewind a stack not
// yet saved and trap, so such a resume waits until the game has unwound.

import { ProgramExit } from './wasi.js';

const PageSize = 65536;

export class Game {
  constructor(onEnd) {
    this.onEnd = onEnd;
    this.ended = false;
    this.rewinding = false;
    this.running = false;
    this.resumeAsked = false;
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
    if (this.running) {
      this.resumeAsked = true;
      return;
    }
    this.rewind();
    this.enter();
  }

  rewind() {
    this.exports.asyncify_start_rewind(this.stack);
    this.rewinding = true;
  }

  // Runs the game until it suspends or ends; a resume asked for meanwhile
  // rewinds it at once, in this loop rather than deeper on the page's stack.
  enter() {
    for (;;) {
      let status;
      this.running = true;
      try {
        status = this.exports.main(0, 0);
      } catch (error) {
        this.end(error instanceof ProgramExit ? error.status : 1, error instanceof ProgramExit ? null : error);
        return;
      } finally {
        this.running = false;
      }
      if (this.exports.asyncify_get_state() !== 1) {
        this.end(status, null);
        return;
      }
      this.exports.asyncify_stop_unwind();
      if (!this.resumeAsked || this.ended) return;
      this.resumeAsked = false;
      this.rewind();
    }
  }

  end(status, error) {
    this.ended = true;
    this.onEnd(status, error);
  }
}
