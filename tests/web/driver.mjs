// Remote control of the game's page for the tests and benchmarks: serves a
// site on 127.0.0.1, opens it in a browser (on the X display in DISPLAY),
// then answers one command a line on standard input with one line on
// standard output: "ok" and the answer, or "error" and why. Positions are
// the table's pixels.
//
//   node driver.mjs <site folder> [--engine chromium|firefox|webkit] [--scale N] [--size WxH] [--page name.html]
//                   [--screen WxH@R] [--workers allowed|refused|insecure] [--host isolating|plain]
//
// Each engine is a module in engines/ with the same few calls: launch,
// goto, evaluate(fn, arg) and close, addInitScript where the engine can
// run a script before the page's own (elsewhere this server puts it into
// the pages it serves), and fingers where it has touch input. The browser's window fills the screen from its
// top-left corner, and the page is shown as a desktop shows it, at N screen
// pixels per page pixel: the tests move the mouse, type and take
// screenshots through the X server itself, as a player's desktop would.
// With --screen the page is shown as a phone or tablet shows it instead (W x
// H page pixels, R screen pixels per page pixel, touch only), emulated by
// Chromium: fingers and screenshots then go through the browser too. Service
// workers are as the browser has them, or refused as a private window
// refuses them, or missing altogether, as on a host that is not a secure
// context (a name other than localhost over plain http). The server sends
// the two headers that make the page cross-origin isolated, as the README
// asks of hosts, or, as a plain host, the files' types alone.

import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import readline from 'node:readline';
import { createRequire } from 'node:module';

// The npm packages as npm installed them from the lock file, in the build folder.
const require = createRequire(process.env.VORK_NODE_MODULES ?? import.meta.url);

const args = process.argv.slice(2);
const site = args[0];
const option = (name, fallback) => {
  const at = args.indexOf(`--${name}`);
  return at >= 0 ? args[at + 1] : fallback;
};
const engine = await import(`./engines/${path.basename(option('engine', 'chromium').toLowerCase())}.mjs`);
const scale = Number(option('scale', '1'));
// The screen's size; the browser's window is given in page pixels.
const [width, height] = option('size', '1024x768').split('x').map((pixels) => Math.floor(pixels / scale));
const pageName = option('page', 'index.html');
const screen = option('screen', '');
const workers = option('workers', 'allowed');
const host = workers === 'insecure' ? 'vork.test' : '127.0.0.1';
const isolating = option('host', 'isolating') === 'isolating';

// Every present and its time, for the benchmarks: the game's own import,
// wrapped before the page instantiates the module. The same for the first
// display frame after the page shows the table. Timers the page sets, for
// the tests: each frame's sleep sets one. Errors the page meets, from
// every engine alike.
function probe() {
  window.vorkPresents = [];
  window.vorkTimers = 0;
  window.vorkProblems = [];
  // Pixels of a 2D drawing, packed as RGB in base64, for the tests' pictures.
  window.vorkRgb = (drawing, left, top, width, height) => {
    const rgba = drawing.getImageData(left, top, width, height).data;
    let rgb = '';
    for (let i = 0; i < rgba.length; i += 4) rgb += String.fromCharCode(rgba[i], rgba[i + 1], rgba[i + 2]);
    return btoa(rgb);
  };
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
  const setTimer = window.setTimeout;
  window.setTimeout = (...values) => {
    window.vorkTimers++;
    return setTimer(...values);
  };
  const report = console.error;
  console.error = (...values) => {
    window.vorkProblems.push(values.join(' '));
    report(...values);
  };
  window.addEventListener('error', (event) => window.vorkProblems.push(event.message));
  window.addEventListener('unhandledrejection', (event) => window.vorkProblems.push(String(event.reason)));
}
// Where service workers are refused, registering one fails as in a private window.
function refuseWorkers() {
  if (navigator.serviceWorker) {
    navigator.serviceWorker.register = () => Promise.reject(new DOMException('The operation is insecure.', 'SecurityError'));
  }
}
const probeScript = `(${probe})();${workers === 'refused' ? `(${refuseWorkers})();` : ''}`;

const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png' };
const injected = [];
const server = http.createServer((request, response) => {
  const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
  const file = path.join(site, name === '/' ? 'index.html' : name);
  if (!file.startsWith(path.resolve(site)) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
    response.writeHead(404).end();
    return;
  }
  const type = types[path.extname(file)] ?? 'application/octet-stream';
  const isolation = isolating
    ? { 'Cross-Origin-Opener-Policy': 'same-origin', 'Cross-Origin-Embedder-Policy': 'require-corp' }
    : {};
  response.writeHead(200, { 'Content-Type': type, ...isolation });
  if (type === 'text/html' && injected.length > 0) {
    const scripts = injected.map((source) => `<script>${source}</script>`).join('');
    response.end(fs.readFileSync(file, 'utf8').replace(/<head>/i, `<head>${scripts}`));
  } else {
    fs.createReadStream(file).pipe(response);
  }
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));

const browser = await engine.launch({ require, width, height, scale, screen, host });
if (browser.addInitScript) await browser.addInitScript(probeScript);
else injected.push(probeScript);
await browser.goto(`http://${host}:${server.address().port}/${pageName}`);
const evaluate = browser.evaluate;

// The engine's own page object (playwright's in Chromium), for the commands
// only it can serve: emulated touch screens and what Chromium reports of apps.
function enginePage() {
  if (!browser.page) throw new Error(`no ${option('engine', 'chromium')} page for this command`);
  return browser.page;
}

// Pixels as the page packs them (window.vorkRgb), written to `file`; the
// answer is their width and height.
function writeRgb(file, [width, height, rgb]) {
  fs.writeFileSync(file, Buffer.from(rgb, 'base64'));
  return `${width} ${height}`;
}

// The browser's touch input, where its engine module has one.
function fingers() {
  if (!browser.fingers) throw new Error(`no touch input in ${option('engine', 'chromium')}`);
  return browser.fingers;
}

// Asks the page until `fn` answers something other than undefined.
async function until(fn, arg, timeoutMs = 30000) {
  const deadline = Date.now() + timeoutMs;
  for (;;) {
    const answer = await evaluate(fn, arg);
    if (answer !== undefined && answer !== null) return answer;
    if (Date.now() > deadline) throw new Error('the page did not come to it in time');
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
}

const commands = {
  // The time from opening the page to its first picture, in milliseconds.
  shown: async () => (await until(() => window.vorkFirstFrame)).toFixed(1),
  // The canvas's own pixels, the picture as the page last uploaded it,
  // written to `file` as packed RGB; the answer is its width and height.
  grab: async (file) =>
    writeRgb(
      file,
      await evaluate(() => {
        const canvas = document.getElementById('picture');
        return [canvas.width, canvas.height, window.vorkRgb(canvas.getContext('2d'), 0, 0, canvas.width, canvas.height)];
      }),
    ),
  // The table as the emulated screen shows it, in its own pixels, from the
  // browser's screenshot, decoded by the page.
  async snap(file) {
    const png = (await enginePage().screenshot({ scale: 'device' })).toString('base64');
    return writeRgb(
      file,
      await evaluate(async (png) => {
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
    const at = await evaluate(
      ([x, y]) => {
        const canvas = document.getElementById('picture');
        const box = canvas.getBoundingClientRect();
        return { x: box.left + (x * box.width) / canvas.width, y: box.top + (y * box.height) / canvas.height };
      },
      [Number(x), Number(y)],
    );
    await fingers().put(finger, at);
  },
  lift: (finger) => fingers().lift(finger),
  // The emulated screen, turned a quarter.
  turn: () => {
    const { width, height } = enginePage().viewportSize();
    return enginePage().setViewportSize({ width: height, height: width });
  },
  // The room, and the table's, the caption's and the status line's boxes
  // (left top right bottom), in screen pixels.
  layout: () =>
    evaluate(() => {
      const room = document.documentElement;
      const boxes = ['picture', 'caption', 'status'].map((id) => {
        const box = document.getElementById(id).getBoundingClientRect();
        return [box.left, box.top, box.right, box.bottom];
      });
      return [room.clientWidth, room.clientHeight, ...boxes.flat()].map((v) => Math.round(v * devicePixelRatio)).join(' ');
    }),
  // Whether the page was zoomed or scrolled: the zoom, and where the view is on the page.
  view: () => evaluate(() => [visualViewport.scale, visualViewport.pageLeft, visualViewport.pageTop].join(' ')),
  // Where the table is on the screen, in screen pixels: left, top, width, height.
  where: () =>
    evaluate(() => {
      const box = document.getElementById('picture').getBoundingClientRect();
      const ratio = window.devicePixelRatio;
      // The browser's own bars are above the page. Firefox tells where the
      // page starts to the device pixel: its bars may end halfway through a
      // page pixel, and its window's sizes are whole page pixels.
      const left = window.mozInnerScreenX ?? window.screenX;
      const top = window.mozInnerScreenY ?? window.screenY + window.outerHeight - window.innerHeight;
      return [left + box.left, top + box.top, box.width, box.height].map((v) => Math.round(v * ratio)).join(' ');
    }),
  // The class of the browser's top-level X window, where keys go.
  window: () => engine.windowClass,
  caption: () => evaluate(() => document.getElementById('caption').textContent),
  title: () => evaluate(() => document.title),
  status: () => evaluate(() => document.getElementById('status').textContent),
  locked: () => evaluate(() => String(document.pointerLockElement?.id === 'picture')),
  exit: () => evaluate(() => document.body.dataset.exitStatus ?? ''),
  // Whether the page is cross-origin isolated, with the finer clock that brings.
  isolated: () => evaluate(() => String(self.crossOriginIsolated)),
  // Times of the presents since the last asking, milliseconds apart from the first.
  presents: () => evaluate(() => window.vorkPresents.splice(0).map((t) => t.toFixed(3)).join(' ')),
  // Timers set and presents made since the last asking.
  pacing: () =>
    evaluate(() => {
      const answer = `${window.vorkTimers} ${window.vorkPresents.length}`;
      window.vorkTimers = 0;
      window.vorkPresents.length = 0;
      return answer;
    }),
  // Keeps the page's thread busy `times` times for `ms` each, a little apart,
  // as a collection or a busy machine does.
  stall: (times, ms) =>
    evaluate(
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
    evaluate((ms) => {
      const now = performance.now.bind(performance);
      performance.now = () => now() + Math.random() * ms;
    }, Number(ms)),
  problems: () => evaluate(() => window.vorkProblems.join(' | ')),
  // The site's server stops, its connections cut, as when the network goes.
  async offline() {
    const closed = new Promise((resolve) => server.close(resolve));
    server.closeAllConnections();
    await closed;
  },
  reload: () => enginePage().reload().then(() => ''),
  // The state of the newest service worker of the page's site, "none"
  // without one, "unavailable" where the page has no service workers.
  worker: () =>
    evaluate(async () => {
      if (!navigator.serviceWorker) return 'unavailable';
      const registration = await navigator.serviceWorker.getRegistration();
      return (registration?.installing ?? registration?.waiting ?? registration?.active)?.state ?? 'none';
    }),
  // The names of the site's caches.
  caches: () => evaluate(async () => (await caches.keys()).sort().join(' ')),
  // The length of a file of the site as the page fetches it now.
  fetched: (name) => evaluate(async (name) => String((await (await fetch(name)).arrayBuffer()).byteLength), name),
  // What a test's own build of the site may mark the page with.
  mark: () => evaluate(() => document.body.dataset.mark ?? ''),
  // Whether Chromium would install the page as an app ("installable", or
  // why not), then the manifest's theme and background colours and the
  // page's own theme colour. Playwright's windows are private ones, which
  // Chromium never installs from; all else is checked as in any window.
  async app() {
    const session = await enginePage().context().newCDPSession(enginePage());
    const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
    const { data } = await session.send('Page.getAppManifest');
    await session.detach();
    const manifest = JSON.parse(data || '{}');
    const meta = await evaluate(() => document.querySelector('meta[name=theme-color]')?.content);
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
