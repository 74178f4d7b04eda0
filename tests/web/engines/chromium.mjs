// Debian's Chromium through playwright-core. The page's playwright object
// is `page`, for commands that need more than evaluate.

export const windowClass = 'Chromium';

// `screen` "WxH@R" emulates a phone's or a tablet's touch screen; `host`, a
// name other than 127.0.0.1, is mapped to it.
export async function launch({ require, width, height, scale, screen, host }) {
  const { chromium } = require('playwright-core');
  // Chromium's own calls home are turned off: this machine reaches no such host.
  const browser = await chromium.launch({
    executablePath: process.env.VORK_CHROMIUM ?? '/usr/bin/chromium',
    headless: false,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--window-position=0,0', `--window-size=${width},${height}`,
      `--force-device-scale-factor=${scale}`, ...(host === '127.0.0.1' ? [] : [`--host-resolver-rules=MAP ${host} 127.0.0.1`])],
  });
  const [screenWidth, screenHeight, screenRatio] = screen.split(/[x@]/).map(Number);
  const context = await browser.newContext(
    screen
      ? { viewport: { width: screenWidth, height: screenHeight }, deviceScaleFactor: screenRatio, isMobile: true, hasTouch: true }
      : { viewport: null },
  );
  const page = await context.newPage();
  return {
    page,
    fingers: fingersOf(page),
    addInitScript: (source) => context.addInitScript({ content: source }),
    goto: (url) => page.goto(url),
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    close: () => browser.close(),
  };
}

// Fingers through the DevTools protocol, whose every touch event lists all
// the fingers down.
function fingersOf(page) {
  const down = new Map();
  let session = null;
  const send = async (type) => {
    session ??= await page.context().newCDPSession(page);
    await session.send('Input.dispatchTouchEvent', {
      type,
      touchPoints: [...down].map(([id, at]) => ({ id: Number(id), ...at })),
    });
  };
  return {
    put(finger, at) {
      const type = down.has(finger) ? 'touchMove' : 'touchStart';
      down.set(finger, at);
      return send(type);
    },
    lift(finger) {
      down.delete(finger);
      return send(down.size > 0 ? 'touchMove' : 'touchEnd');
    },
  };
}
