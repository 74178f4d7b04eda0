// Debian's Chromium through playwright-core. The page's playwright object
// is `page`, for commands that need more than evaluate.

export const windowClass = 'Chromium';

export async function launch({ require, width, height, scale }) {
  const { chromium } = require('playwright-core');
  // Chromium's own calls home are turned off: this machine reaches no such host.
  const browser = await chromium.launch({
    executablePath: process.env.VORK_CHROMIUM ?? '/usr/bin/chromium',
    headless: false,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--window-position=0,0', `--window-size=${width},${height}`,
      `--force-device-scale-factor=${scale}`],
  });
  const context = await browser.newContext({ viewport: null });
  const page = await context.newPage();
  return {
    page,
    addInitScript: (source) => context.addInitScript({ content: source }),
    goto: (url) => page.goto(url),
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    close: () => browser.close(),
  };
}
