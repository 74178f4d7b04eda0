// Remote control of the game's page for the tests and benchmarks: serves a
// site on 127.0.0.1, opens it in Debian's Chromium (on the X display in
// DISPLAY) through playwright-core, then answers one command a line on
// standard input with one line on standard output: "ok" and the answer, or
// "error" and why. Positions are the table's pixels.
//
//   node driver.mjs <site folder> [--scale N] [--size WxH] [--page name.html]
//                   [--screen WxH@R]
//                   [--workers allowed|refused|insecure]
//
// The browser's window fills the screen from its top-left corner, and the
// page is shown as a desktop shows it, at N screen pixels per page pixel:
// the tests move the mouse, type and take screenshots through the X server
// itself, as a player's desktop would. With --screen the page is shown as a
// phone or tablet shows it instead (W x H page pixels, R screen pixels per
// page pixel, touch only), emulated by the browser: fingers and screenshots
// then go through the browser too. Service workers are as the browser has
// them, or refused as a private window refuses them, or missing altogether,
// as on a host that is not a secure context (a name other than localhost
// over plain http).

import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import readline from 'node:readline';
import { createRequire } from 'node:module';

// playwright-core as npm installed it from the lock file, in the build folder.
const require = createRequire(process.env.VORK_NODE_MODULES ?? import.meta.url);
const { chromium } = require('playwright-core');

const args = process.argv.slice(2);
const site = args[0];
const option = (name, fallback) => {
  const at = args.indexOf(`--${name}`);
  return at >= 0 ? args[at + 1] : fallback;
};
const scale = option('scale', '1');
// The screen's size; the browser's window is given in page pixels.
const [width, height] = option('size', '1024x768').split('x').map((pixels) => Math.floor(pixels / scale));
const pageName = option('page', 'index.html');
const screen = option('screen', '');
const workers = option('workers', 'allowed');
const host = workers === 'insecure' ? 'vork.test' : '127.0.0.1';

const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png' };
const server = http.createServer((request, response) => {
  const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
  const file = path.join(site, name === '/' ? 'index.html' : name);
  if (!file.startsWith(path.resolve(site)) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
    response.writeHead(404).end();
    return;
  }
  response.writeHead(200, { 'Content-Type': types[path.extname(file)] ?? 'application/octet-stream' });
  fs.createReadStream(file).pipe(response);
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const port = server.address().port;

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
// Every present and its time, for the benchmarks: the game's own import,
// wrapped before the page instantiates the module.
// The same for the first display frame after the page shows the table.
await context.addInitScript(() => {
  window.vorkPresents = [];
  const wrap = (imports) => {
    const { present, window_show: show } = imports.vork ?? {};
    if (present) {
      imports.vork.present = (...values) => {
        window.vorkPresents.push(performance.now());
        return present(...values);
      };
      imports.vork.window_show = () => {
        show();
        requestAnimationFrame(() => (window.vorkFirstFrame = performance.now()));
      };
    }
    return imports;
  };
  const streaming = WebAssembly.instantiateStreaming;
  WebAssembly.instantiateStreaming = (source, imports) => streaming(source, wrap(imports));
  const plain = WebAssembly.instantiate;
  WebAssembly.instantiate = (source, imports) => plain(source, wrap(imports));
});
// Pixels of a 2D drawing, packed as RGB in base64, for the tests' pictures.
await context.addInitScript(() => {
  window.vorkRgb = (drawing, left, top, width, height) => {
    const rgba = drawing.getImageData(left, top, width, height).data;
    let rgb = '';
    for (let i = 0; i < rgba.length; i += 4) rgb += String.fromCharCode(rgba[i], rgba[i + 1], rgba[i + 2]);
    return btoa(rgb);
  };
});
// Timers the page sets, for the tests: each frame's sleep sets one.
await context.addInitScript(() => {
  window.vorkTimers = 0;
  const setTimer = window.setTimeout;
  window.setTimeout = (...values) => {
    window.vorkTimers++;
    return setTimer(...values);
  };
});
if (workers === 'refused') {
  await context.addInitScript(() => {
    if (navigator.serviceWorker) {
      navigator.serviceWorker.register = () => Promise.reject(new DOMException('The operation is insecure.', 'SecurityError'));
    }
  });
}
const page = await context.newPage();
const problems = [];
page.on('pageerror', (error) => problems.push(error.message));
page.on('console', (message) => message.type() === 'error' && problems.push(message.text()));
await page.goto(`http://${host}:${port}/${pageName}`);
const browserInput = await context.newCDPSession(page);

// Pixels as the page packs them (window.vorkRgb), written to `file`; the
// answer is their width and height.
function writeRgb(file, [width, height, rgb]) {
  fs.writeFileSync(file, Buffer.from(rgb, 'base64'));
  return `${width} ${height}`;
}

// The fingers down, by number, where they are in page pixels.
const fingers = new Map();
const touch = (type) =>
  browserInput.send('Input.dispatchTouchEvent', {
    type,
    touchPoints: [...fingers].map(([id, at]) => ({ id: Number(id), ...at })),
  });

const commands = {
  // The time from opening the page to its first picture, in milliseconds.
  async shown() {
    await page.waitForFunction(() => window.vorkFirstFrame !== undefined);
    return (await page.evaluate(() => window.vorkFirstFrame)).toFixed(1);
  },
  // The canvas's own pixels, the picture as the page last uploaded it,
  // written to `file` as packed RGB; the answer is its width and height.
  async grab(file) {
    return writeRgb(
      file,
      await page.evaluate(() => {
        const canvas = document.getElementById('picture');
        return [canvas.width, canvas.height, window.vorkRgb(canvas.getContext('2d'), 0, 0, canvas.width, canvas.height)];
      }),
    );
  },
  // The table as the emulated screen shows it, in its own pixels, from the
  // browser's screenshot, decoded by the page.
  async snap(file) {
    const png = (await page.screenshot({ scale: 'device' })).toString('base64');
    return writeRgb(
      file,
      await page.evaluate(async (png) => {
        const bytes = Uint8Array.from(atob(png), (c) => c.charCodeAt(0));
        const shot = await createImageBitmap(new Blob([bytes], { type: 'image/png' }), { colorSpaceConversion: 'none' });
        const drawing = new OffscreenCanvas(shot.width, shot.height).getContext('2d');
        drawing.drawImage(shot, 0, 0);
        const box = document.getElementById('picture').getBoundingClientRect();
        const [left, top, width, height] = [box.left, box.top, box.width, box.height].map((v) => Math.round(v * devicePixelRatio));
        return [width, height, window.vorkRgb(drawing, left, top, width, height)];
      }, png),
    );
  },
  // A finger, by number, put down or moved to a table pixel (any, off the
  // table too), through the browser's touch input.
  async touch(finger, x, y) {
    const at = await page.evaluate(
      ([x, y]) => {
        const canvas = document.getElementById('picture');
        const box = canvas.getBoundingClientRect();
        return { x: box.left + (x * box.width) / canvas.width, y: box.top + (y * box.height) / canvas.height };
      },
      [Number(x), Number(y)],
    );
    const type = fingers.has(finger) ? 'touchMove' : 'touchStart';
    fingers.set(finger, at);
    await touch(type);
  },
  async lift(finger) {
    fingers.delete(finger);
    await touch(fingers.size > 0 ? 'touchMove' : 'touchEnd');
  },
  // The emulated screen, turned a quarter.
  turn: () => page.setViewportSize({ width: page.viewportSize().height, height: page.viewportSize().width }),
  // The room, and the table's, the caption's and the status line's boxes
  // (left top right bottom), in screen pixels.
  layout: () =>
    page.evaluate(() => {
      const room = document.documentElement;
      const boxes = ['picture', 'caption', 'status'].map((id) => {
        const box = document.getElementById(id).getBoundingClientRect();
        return [box.left, box.top, box.right, box.bottom];
      });
      return [room.clientWidth, room.clientHeight, ...boxes.flat()].map((v) => Math.round(v * devicePixelRatio)).join(' ');
    }),
  // Whether the page was zoomed or scrolled: the zoom, and where the view is on the page.
  view: () => page.evaluate(() => [visualViewport.scale, visualViewport.pageLeft, visualViewport.pageTop].join(' ')),
  // Where the table is on the screen, in screen pixels: left, top, width, height.
  where: () =>
    page.evaluate(() => {
      const box = document.getElementById('picture').getBoundingClientRect();
      const ratio = window.devicePixelRatio;
      // The browser's own bars are above the page.
      const top = window.screenY + window.outerHeight - window.innerHeight;
      return [window.screenX + box.left, top + box.top, box.width, box.height].map((v) => Math.round(v * ratio)).join(' ');
    }),
  caption: () => page.evaluate(() => document.getElementById('caption').textContent),
  title: () => page.title(),
  status: () => page.evaluate(() => document.getElementById('status').textContent),
  locked: () => page.evaluate(() => String(document.pointerLockElement?.id === 'picture')),
  exit: () => page.evaluate(() => document.body.dataset.exitStatus ?? ''),
  // Times of the presents since the last asking, milliseconds apart from the first.
  presents: () => page.evaluate(() => window.vorkPresents.splice(0).map((t) => t.toFixed(3)).join(' ')),
  // Timers set and presents made since the last asking.
  pacing: () =>
    page.evaluate(() => {
      const answer = `${window.vorkTimers} ${window.vorkPresents.length}`;
      window.vorkTimers = 0;
      window.vorkPresents.length = 0;
      return answer;
    }),
  // Keeps the page's thread busy `times` times for `ms` each, a little apart,
  // as a collection or a busy machine does.
  stall: (times, ms) =>
    page.evaluate(
      ([times, ms]) =>
        new Promise((done) => {
          const busy = () => {
            const until = performance.now() + ms;
            while (performance.now() < until);
            if (--times > 0) setTimeout(busy, ms / 2);
            else done();
          };
          busy();
        }),
      [Number(times), Number(ms)],
    ),
  // Makes the page's clock wobble by up to `ms` at each reading: a wait's
  // deadline then passes now and then as the game suspends, a race a busy
  // engine meets by chance.
  wobble: (ms) =>
    page.evaluate((ms) => {
      const now = performance.now.bind(performance);
      performance.now = () => now() + Math.random() * ms;
    }, Number(ms)),
  problems: () => problems.join(' | '),
  // The site's server stops, its connections cut, as when the network goes.
  async offline() {
    const closed = new Promise((resolve) => server.close(resolve));
    server.closeAllConnections();
    await closed;
  },
  reload: () => page.reload().then(() => ''),
  // The state of the newest service worker of the page's site, "none"
  // without one, "unavailable" where the page has no service workers.
  worker: () =>
    page.evaluate(async () => {
      if (!navigator.serviceWorker) return 'unavailable';
      const registration = await navigator.serviceWorker.getRegistration();
      return (registration?.installing ?? registration?.waiting ?? registration?.active)?.state ?? 'none';
    }),
  // The names of the site's caches.
  caches: () => page.evaluate(async () => (await caches.keys()).sort().join(' ')),
  // The length of a file of the site as the page fetches it now.
  fetched: (name) => page.evaluate(async (name) => String((await (await fetch(name)).arrayBuffer()).byteLength), name),
  // What a test's own build of the site may mark the page with.
  mark: () => page.evaluate(() => document.body.dataset.mark ?? ''),
  // Whether Chromium would install the page as an app ("installable", or
  // why not), then the manifest's theme and background colours and the
  // page's own theme colour. Playwright's windows are private ones, which
  // Chromium never installs from; all else is checked as in any window.
  async app() {
    const session = await context.newCDPSession(page);
    const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
    const { data } = await session.send('Page.getAppManifest');
    await session.detach();
    const manifest = JSON.parse(data || '{}');
    const meta = await page.evaluate(() => document.querySelector('meta[name=theme-color]')?.content);
    const errors = installabilityErrors.map((error) => error.errorId).filter((id) => id !== 'in-incognito');
    return [errors.join(',') || 'installable', manifest.theme_color, manifest.background_color, meta].join(' ');
  },
  pid: () => String(process.pid),
};

const lines = readline.createInterface({ input: process.stdin });
for await (const line of lines) {
  const [name, ...values] = line.trim().split(/\s+/);
  if (name === 'quit') break;
  try {
    if (!(name in commands)) throw new Error(`no command ${name}`);
    const answer = await commands[name](...values);
    process.stdout.write(`ok ${answer ?? ''}\n`);
  } catch (error) {
    process.stdout.write(`error ${String(error.message ?? error).replace(/\s+/g, ' ')}\n`);
  }
}
await browser.close();
server.close();
