// The mouse over the table, queued as the game's events until the game takes
// them. Positions are in picture pixels, as 32-bit floats.

const Kind = { Move: 1, Motion: 2, Press: 3 };
// The page's button numbers, as the game numbers them: left, middle, right.
const ButtonCodes = [1, 4, 2];
const EventSize = 24;

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

  function moved(event) {
    if (pointer.relative()) {
      const perPixel = canvas.width / canvas.getBoundingClientRect().width;
      push([Kind.Motion, 0, modifiers(event), heldButtons(event), event.movementX * perPixel, event.movementY * perPixel]);
    } else {
      const at = inPicture(event);
      push([Kind.Move, 0, modifiers(event), heldButtons(event), at.x, at.y]);
    }
  }

  canvas.addEventListener('mousedown', (event) => {
    event.preventDefault();
    pressedHere = true;
    // Taking the hold back needs the user's own click.
    pointer.retake();
    const at = inPicture(event);
    push([Kind.Press, ButtonCodes[event.button] ?? 0, modifiers(event), heldButtons(event), at.x, at.y]);
  });
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());
  // Over the table; beyond it too while a button pressed on it is held.
  document.addEventListener('mousemove', (event) => {
    if (event.target === canvas || pointer.relative() || (pressedHere && event.buttons !== 0)) moved(event);
    if (event.buttons === 0) pressedHere = false;
  });

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
