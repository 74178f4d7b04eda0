// The clock and the game's waits. The tick counter is real time in whole
// milliseconds, and a frame is released by the tick it reads: a sleep that
// ends a millisecond or more past its deadline starts the next frame late.
// Timers come in whole milliseconds, and late by however busy the machine
// is, so each sleep asks for the latest timer that still wakes the page
// within the deadline's millisecond, were it as late as nineteen in twenty
// of the recent ones; the few that come early are finished with messages to itself,
// which the page handles within tens of microseconds.
// A clock coarsened to whole milliseconds (Firefox's and WebKit's, unless the
// page is cross-origin isolated, as the site's worker makes it) tells a
// timer that came a little late from one on time only by the millisecond it
// crossed, so the least lateness allowed for is one step of the clock: such
// a sleep ends in the millisecond before the deadline, and messages finish it.
// The lateness allowed for is bounded: after a few long stalls of the page
// (a collection, a hidden tab's slowed timers) an unbounded one would leave
// no time to sleep, every frame would pass in messages, and with no timer
// set again nothing would ever teach it that timers are back on time. It is
// a millisecond past the least: a timer later than that was kept waiting by
// a busy page or machine, which delays the messages as much, so a longer
// allowance only spins (in WebKitGTK composited through a software OpenGL,
// a bound of 2 ms spun 1.2 ms a frame and caught no more deadlines than one
// of 1.2 ms, which spun 0.3 ms).

const Remembered = 64;
const ClampedBelow = 4;
const LeastLateness = 0.2;
const MostLateness = 1;

// The clock's step, from the largest of a few: the first may be a part of one.
function clockStep() {
  let step = 0;
  for (let i = 0, last = performance.now(); i < 3; i++) {
    let now;
    while ((now = performance.now()) === last);
    step = Math.max(step, now - last);
    last = now;
  }
  return step;
}

function createTimerLateness() {
  const least = Math.max(LeastLateness, clockStep() + 0.1);
  const most = Math.max(MostLateness, least + 1);
  const late = new Array(Remembered).fill(least);
  let next = 0;
  let expected = least;
  return {
    expected: () => expected,
    came(lateness) {
      late[next] = Math.max(0, lateness);
      next = (next + 1) % Remembered;
      const sorted = [...late].sort((a, b) => a - b);
      expected = Math.min(most, Math.max(least, sorted[Math.floor(Remembered * 0.95)] + 0.1));
    },
  };
}

// Messages to the page itself rather than through a MessageChannel: WebKit
// delivers a channel's messages milliseconds late whenever it is drawing (a
// frame in thirty of a rally woke 1 to 5 ms late, 96 frames a second).
const Wake = 'vork-wait';

export function createWait(game, input) {
  let afterMessage = null;
  window.addEventListener('message', (event) => {
    if (event.source !== window || event.data !== Wake) return;
    event.stopImmediatePropagation();
    afterMessage();
  });
  const post = (then) => {
    afterMessage = then;
    window.postMessage(Wake, '*');
  };
  const timer = createTimerLateness();

  const ticks = () => Math.floor(performance.now()) >>> 0;

  function sleepUntil(tick, wake) {
    const now = performance.now();
    const deadline = Math.floor(now) + ((tick - Math.floor(now)) | 0);
    const look = () => (performance.now() >= deadline ? wake() : post(look));
    const asked = performance.now();
    const sleep = Math.floor(deadline + 1 - timer.expected() - asked);
    const timed = () => {
      timer.came(performance.now() - asked - sleep);
      look();
    };
    if (sleep >= ClampedBelow) setTimeout(timed, sleep);
    // A timer set by a timer, as this one is from the second frame on, is
    // held to 4 ms at the least: a shorter sleep is asked for from a message.
    else if (sleep > 0) post(() => setTimeout(timed, sleep));
    else look();
  }

  return {
    wait_ticks: ticks,
    wait_sleep_until(tick) {
      if (game.resuming()) return;
      game.suspend();
      sleepUntil(tick >>> 0, () => game.resume());
    },
    wait_for_input() {
      if (game.resuming()) return;
      if (input.pending()) return;
      game.suspend();
      input.onNext(() => game.resume());
    },
  };
}
