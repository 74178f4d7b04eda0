// The pointer over the table, from the page's pointer events, queued as the
// game's events until the game takes them. Positions are in picture pixels,
// as 32-bit floats.
//
// A mouse is the game's pointer as on the desktop, held by a lock in a rally.
// A finger or a pen puts the pointer where it touches, with the mallet's
// middle under it rather than its top-left corner, the pointer's hot spot;
// a hold keeps that place inside the area. A short touch that hardly moves is
// a click of the left button; two fingers down together, one with Shift.

const Kind = { Move: 1, Motion: 2, Press: 3, Place: 4 };
// The page's button numbers, as the game numbers them: left, middle, right.
// The page's bits for buttons held are these too.
const ButtonCodes = [1, 4, 2];
const Left = 1;
const Shift = 1;
const EventSize = 24;
// From the mallet's top-left to its middle, in picture pixels.
const FingerOffset = 12;
// A tap lifts its last finger this soon after its first went down, none of
// them having moved farther than this, in page pixels.
const TapMilliseconds = 500;
const TapDistance = 10;

function modifiers(event) {
  return (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
}

// Buttons held, as the game's bits: the page's are left 1, right 2, middle 4.
function heldButtons(event) {
  return (event.buttons & 1) | ((event.buttons & 2) ? 2 : 0) | ((event.buttons & 4) ? 4 : 0);
}

export function createInput(canvas, pointer, memory) {
  const queue = [];
  let waiter = null;
  let pressedHere = false;
  let taking = true;

  function push(event) {
    if (!taking) return;
    queue.push(event);
    if (waiter) {
      const wake = waiter;
      waiter = null;
      wake();
    }
  }

  function inPicture(event) {
    const box = canvas.getBoundingClientRect();
    return {
      x: ((event.clientX - box.left) * canvas.width) / box.width,
      y: ((event.clientY - box.top) * canvas.height) / box.height,
    };
  }

  function mouseMoved(event) {
    if (pointer.relative()) {
      const perPixel = canvas.width / canvas.getBoundingClientRect().width;
      push([Kind.Motion, 0, modifiers(event), heldButtons(event), event.movementX * perPixel, event.movementY * perPixel]);
    } else {
      const at = inPicture(event);
      push([Kind.Move, 0, modifiers(event), heldButtons(event), at.x, at.y]);
    }
  }

  function mousePressed(event) {
    pressedHere = true;
    // Taking the hold back needs the user's own click.
    pointer.pressed(true);
    const at = inPicture(event);
    push([Kind.Press, ButtonCodes[event.button] ?? 0, modifiers(event), heldButtons(event), at.x, at.y]);
  }

  // The fingers on the table, each where it went down, from the first of
  // them down to the last lifted.
  const touches = new Map();
  let tap = null;
  let placed = { x: 0, y: 0 };

  function place(event) {
    const at = inPicture(event);
    placed = { x: at.x - FingerOffset, y: at.y - FingerOffset };
    push([Kind.Place, 0, 0, 0, placed.x, placed.y]);
  }

  function touched(event) {
    if (touches.size === 0) tap = { start: event.timeStamp, fingers: 0, still: true };
    touches.set(event.pointerId, { x: event.clientX, y: event.clientY });
    tap.fingers++;
    if (event.isPrimary) place(event);
  }

  function touchMoved(event) {
    const down = touches.get(event.pointerId);
    if (!down) return;
    if (Math.hypot(event.clientX - down.x, event.clientY - down.y) > TapDistance) tap.still = false;
    if (event.isPrimary) place(event);
  }

  function lifted(event) {
    if (!touches.delete(event.pointerId)) return;
    if (event.type === 'pointercancel' || event.timeStamp - tap.start > TapMilliseconds) tap.still = false;
    if (touches.size > 0 || !tap.still) return;
    pointer.pressed(false);
    push([Kind.Press, Left, tap.fingers > 1 ? Shift : 0, 0, placed.x, placed.y]);
  }

  canvas.addEventListener('pointerdown', (event) => {
    event.preventDefault();
    if (event.pointerType === 'mouse') mousePressed(event);
    else touched(event);
  });
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());
  // A mouse over the table; beyond it too while a button pressed on it is
  // held. A touch's own pointer is the table's until it lifts.
  document.addEventListener('pointermove', (event) => {
    if (event.pointerType !== 'mouse') {
      touchMoved(event);
      return;
    }
    // A button pressed while another is held comes as a move.
    const pressed = event.button >= 0 && (event.buttons & ButtonCodes[event.button]) !== 0;
    if (pressed && (event.target === canvas || pointer.relative())) mousePressed(event);
    else if (event.target === canvas || pointer.relative() || (pressedHere && event.buttons !== 0)) mouseMoved(event);
    if (event.buttons === 0) pressedHere = false;
  });
  document.addEventListener('pointerup', lifted);
  document.addEventListener('pointercancel', lifted);

  return {
    pending: () => queue.length > 0,
    // Once the program has ended, nothing takes input any more.
    stop() {
      taking = false;
      queue.length = 0;
    },
    onNext(wake) {
      waiter = wake;
    },
    imports: {
      input_next(address) {
        const event = queue.shift();
        if (!event) return 0;
        const view = new DataView(memory().buffer, address, EventSize);
        for (let i = 0; i < 4; i++) view.setInt32(4 * i, event[i], true);
        view.setFloat32(16, event[4], true);
        view.setFloat32(20, event[5], true);
        return 1;
      },
    },
  };
}
