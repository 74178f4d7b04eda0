// The page stands in for the window: the caption is the page's title and the
// line above the table; the table is the canvas, shown at the largest whole
// number of screen pixels per picture pixel that fits, never a fraction, so
// every pixel stays sharp. It is placed on whole screen pixels too.

export function createWindow(canvas, caption, crossHair, memory) {
  const decoder = new TextDecoder();
  let scale = 1;

  function layout() {
    const ratio = window.devicePixelRatio || 1;
    const room = canvas.parentElement.getBoundingClientRect();
    const fits = Math.floor(Math.min((room.width * ratio) / canvas.width, (room.height * ratio) / canvas.height));
    scale = Math.max(1, fits);
    const left = Math.max(0, Math.floor((room.width * ratio - canvas.width * scale) / 2));
    canvas.style.width = `${(canvas.width * scale) / ratio}px`;
    canvas.style.height = `${(canvas.height * scale) / ratio}px`;
    canvas.style.left = `${left / ratio}px`;
    crossHair.style.left = canvas.style.left;
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
