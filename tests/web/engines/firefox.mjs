// Debian's Firefox ESR through its WebDriver BiDi, with puppeteer-core.

export const windowClass = 'firefox-esr';

export async function launch({ require, width, height, scale }) {
  const puppeteer = require('puppeteer-core');
  const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: process.env.VORK_FIREFOX ?? '/usr/bin/firefox-esr',
    headless: false,
    defaultViewport: null,
    args: [`--width=${width}`, `--height=${height}`],
    // The screen's pixels per page pixel. puppeteer's own prefs (no calls
    // home, no first-run pages) fake the window's focus, under which Firefox
    // refuses every pointer lock: focus here is the X server's, as a player's.
    extraPrefsFirefox: { 'layout.css.devPixelsPerPx': String(scale), 'focusmanager.testmode': false },
  });
  const page = (await browser.pages())[0] ?? (await browser.newPage());
  return {
    page,
    fingers: fingersOf(page),
    addInitScript: (source) => page.evaluateOnNewDocument(source),
    goto: (url) => page.goto(url),
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    close: () => browser.close(),
  };
}

// Fingers through WebDriver BiDi's touch pointers, one input source each, in
// whole page pixels.
function fingersOf(page) {
  const down = new Map();
  return {
    async put(finger, { x, y }) {
      if (down.has(finger)) return down.get(finger).move(x, y);
      down.set(finger, await page.touchscreen.touchStart(x, y));
    },
    async lift(finger) {
      await down.get(finger)?.end();
      down.delete(finger);
    },
  };
}
