// The pointer's shape and its hold. A page cannot confine the system pointer,
// so holding it locks it (Pointer Lock): the system pointer is hidden, only
// motion is reported, the game keeps its own pointer inside the area, and
// this draws it as a cross-hair. The browser gives the lock up on Esc; the
// game's pointer then stays where it is until a click on the table takes the
// hold back. A rally started by a touch holds no lock: a finger is where it
// touches, and the game keeps that place inside the area itself.

const HoldAgain = 'click to hold the mouse again';

export function createPointer(canvas, crossHair, status, gameWindow) {
  let held = false;
  // Whether the last press on the table was the mouse's.
  let byMouse = true;
  // Where locking is refused altogether (a frame without the permission),
  // the pointer's motion still moves the game's pointer inside the area.
  let refused = false;
  let awake = null;
  const locked = () => document.pointerLockElement === canvas;

  function lock() {
    try {
      const request = canvas.requestPointerLock();
      request?.catch?.(() => {});
    } catch {
      refused = true;
    }
  }

  // The line below the table says when the hold waits for a click; other
  // news there is not this one's to clear.
  function say(holdAgain) {
    if (holdAgain) status.textContent = HoldAgain;
    else if (status.textContent === HoldAgain) status.textContent = '';
  }

  document.addEventListener('pointerlockchange', () => {
    crossHair.hidden = !(held && locked());
    say(held && !locked());
    if (!held && locked()) document.exitPointerLock();
  });
  document.addEventListener('pointerlockerror', () => {
    if (held && !locked()) refused = true;
  });

  // A rally is played at the screen: the screen stays on while it lasts.
  // The browser lets the lock go while the page is hidden; the click that
  // takes the hold back asks again.
  async function keepAwake(on) {
    try {
      if (on && (!awake || awake.released)) awake = await navigator.wakeLock?.request('screen');
      if (!on && awake) {
        await awake.release();
        awake = null;
      }
    } catch {
      awake = null;
    }
  }

  function release() {
    held = false;
    crossHair.hidden = true;
    say(false);
    if (locked()) document.exitPointerLock();
    keepAwake(false);
  }

  return {
    relative: () => held && (locked() || refused),
    pressed(mouse) {
      byMouse = mouse;
      if (mouse && held && !locked()) {
        lock();
        keepAwake(true);
      }
    },
    release,
    imports: {
      pointer_set_shape(shape) {
        canvas.style.cursor = shape === 2 ? 'crosshair' : 'default';
      },
      pointer_hold() {
        held = true;
        refused = false;
        if (byMouse) lock();
        keepAwake(true);
      },
      pointer_release: release,
      pointer_show_at(x, y) {
        const at = gameWindow.toPage(x, y);
        crossHair.style.transform = `translate(${at.x}px, ${at.y}px)`;
      },
    },
  };
}
