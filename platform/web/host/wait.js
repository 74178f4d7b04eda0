// The clock and the game's waits. The tick counter is real time in whole
// milliseconds. A frame's sleep must end within the millisecond its deadline
// falls in, or the frame after it starts late: a timer wakes the page a
// little before the deadline, and messages to itself, which the page handles
// within tens of microseconds, cover the rest. Timers come late by however
// busy the machine is, so how early to ask is learnt from how late the
// recent ones came: early enough for nine in ten, at the least.

const Remembered = 32;
const LeastLead = 0.5;

function createTimerLead() {
  const late = new Array(Remembered).fill(LeastLead);
  let next = 0;
  let lead = LeastLead;
  return {
    lead: () => lead,
    came(lateness) {
      late[next] = Math.max(0, lateness);
      next = (next + 1) % Remembered;
      const sorted = [...late].sort((a, b) => a - b);
      lead = Math.max(LeastLead, sorted[Math.floor(Remembered * 0.9)] + 0.25);
    },
  };
}

export function createWait(game, input) {
  const channel = new MessageChannel();
  let afterMessage = null;
  channel.port1.onmessage = () => afterMessage();
  const post = (then) => {
    afterMessage = then;
    channel.port2.postMessage(null);
  };
  const timer = createTimerLead();

  const ticks = () => Math.floor(performance.now()) >>> 0;

  function sleepUntil(tick, wake) {
    const now = performance.now();
    const deadline = Math.floor(now) + ((tick - Math.floor(now)) | 0);
    const look = () => (performance.now() >= deadline ? wake() : post(look));
    // Set from a message, never from a timer: timers set by timers are held
    // to 4 ms at the least.
    post(() => {
      const asked = performance.now();
      const sleep = Math.floor(deadline - asked - timer.lead());
      if (sleep <= 0) return look();
      setTimeout(() => {
        timer.came(performance.now() - asked - sleep);
        look();
      }, sleep);
    });
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
