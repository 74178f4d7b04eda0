// The page stands in for the window: the caption is the page's title and the
// line above the table; the table is the canvas, shown at the largest whole
// number of screen pixels per picture pixel that fits, never a fraction, so
// every pixel stays sharp. It is placed on whole screen pixels too. The
// caption and the status line go above and below it, or beside it on a touch
// screen held sideways, where above and below they would cost a phone's
// table a step of scale.

// The height of a line of text, with its margins, in page pixels.
const Line = 32;
// The least room beside the table for the lines there, in page pixels.
const Beside = 200;
const Gap = 8;

export function createWindow(canvas, caption, status, crossHair, memory) {
  const decoder = new TextDecoder();
  const touchScreen = matchMedia('(pointer: coarse)');
  let scale = 1;

  // A line of text at `left`, `width` wide, its top or its bottom at `y`.
  function put(line, left, width, y, fromBottom = false) {
    line.style.left = `${left}px`;
    line.style.width = `${width}px`;
    line.style.top = fromBottom ? 'auto' : `${y}px`;
    line.style.bottom = fromBottom ? `${document.documentElement.clientHeight - y}px` : 'auto';
  }

  function layout() {
    const ratio = window.devicePixelRatio || 1;
    // The room in screen pixels.
    const width = document.documentElement.clientWidth * ratio;
    const height = document.documentElement.clientHeight * ratio;
    const fit = (across, down) =>
      Math.max(1, Math.floor(Math.min(across / canvas.width, down / canvas.height)));
    const stacked = fit(width, height - 2 * Line * ratio);
    const besideScale = fit(width - 2 * Beside * ratio, height);
    const beside = touchScreen.matches && width > height && besideScale >= stacked;
    scale = beside ? besideScale : stacked;
    const across = canvas.width * scale;
    const down = canvas.height * scale;
    const left = Math.max(0, Math.floor((width - across) / 2));
    const top = beside ? Math.max(0, Math.floor((height - down) / 2)) : Math.ceil(Line * ratio);
    // Placed and scaled by a transform: sizes and places in page pixels are
    // rounded to 64ths of one, which at three screen pixels a page pixel
    // misses whole screen pixels and smooths the table.
    canvas.style.transform = `translate(${left / ratio}px, ${top / ratio}px) scale(${scale / ratio})`;
    crossHair.style.left = `${left / ratio}px`;
    crossHair.style.top = `${top / ratio}px`;
    document.body.classList.toggle('beside', beside);
    if (beside) {
      const side = (left + across) / ratio + Gap;
      const room = width / ratio - side - Gap;
      put(caption, side, room, top / ratio);
      put(status, side, room, (top + down) / ratio, true);
    } else {
      const room = width / ratio - 2 * Gap;
      put(caption, Gap, room, 0);
      put(status, Gap, room, (top + down) / ratio);
    }
  }

  // A change of zoom or of screen changes the ratio without a resize.
  function watchRatio() {
    matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener(
      'change',
      () => {
        layout();
        watchRatio();
      },
      { once: true },
    );
  }
  addEventListener('resize', layout);
  touchScreen.addEventListener('change', layout);
  watchRatio();
  layout();

  return {
    // Page pixels from the picture's.
    toPage(x, y) {
      const ratio = window.devicePixelRatio || 1;
      return { x: (x * scale) / ratio, y: (y * scale) / ratio };
    },
    imports: {
      window_show() {
        canvas.hidden = false;
      },
      window_set_caption(text, length) {
        document.title = caption.textContent = decoder.decode(new Uint8Array(memory().buffer, text, length));
      },
      window_set_icon(rgba, width, height) {
        const drawing = document.createElement('canvas');
        drawing.width = width;
        drawing.height = height;
        const pixels = new Uint8ClampedArray(memory().buffer, rgba, width * height * 4);
        drawing.getContext('2d').putImageData(new ImageData(pixels.slice(), width, height), 0, 0);
        document.querySelector('link[rel=icon]').href = drawing.toDataURL();
      },
    },
  };
}
