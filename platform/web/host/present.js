// Puts the picture on the canvas. The game hands over the rectangles each of
// its frames changed; they wait for the display's next frame, whatever its
// rate, and only they are uploaded then. A hidden page has no display
// frames: its changes wait, and show as it comes back.

// More rectangles than this are sent as the one around them all.
const MostRectangles = 64;

export function createPresent(canvas, memory) {
  const context = canvas.getContext('2d', { alpha: false });
  let picture = null;
  let waiting = [];
  let frameAsked = false;

  function upload() {
    frameAsked = false;
    for (const [left, top, right, bottom] of waiting) {
      context.putImageData(picture, 0, 0, left, top, right - left, bottom - top);
    }
    waiting = [];
  }

  function around(rectangles) {
    return [rectangles.reduce((all, r) => [
      Math.min(all[0], r[0]), Math.min(all[1], r[1]), Math.max(all[2], r[2]), Math.max(all[3], r[3]),
    ])];
  }

  return {
    // Everything still waiting, now: the page's last picture of a game that ended.
    flush: () => picture && upload(),
    imports: {
      present(address, width, height, rectangles, count) {
        // A view of the game's memory; a new one once the memory has grown.
        if (!picture || picture.data.buffer !== memory().buffer || picture.data.byteOffset !== address) {
          picture = new ImageData(new Uint8ClampedArray(memory().buffer, address, width * height * 4), width, height);
        }
        const numbers = new Int32Array(memory().buffer, rectangles, count * 4);
        for (let i = 0; i < count; i++) waiting.push(Array.from(numbers.subarray(4 * i, 4 * i + 4)));
        if (waiting.length > MostRectangles) waiting = around(waiting);
        if (!frameAsked) {
          frameAsked = true;
          requestAnimationFrame(upload);
        }
      },
    },
  };
}
