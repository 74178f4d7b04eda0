// WebKitGTK's MiniBrowser through WebKitWebDriver, plain W3C WebDriver over
// HTTP. It has no way to run a script before the page's own: the driver's
// server puts such scripts into the pages it serves.

import { spawn } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';

export const windowClass = 'MiniBrowser';

// Debian 12 has the 4.1 API's; 4.0's is the same browser.
const browserBinary = () =>
  process.env.VORK_MINIBROWSER ??
  ['4.1', '4.0'].map((api) => `/usr/lib/x86_64-linux-gnu/webkit2gtk-${api}/MiniBrowser`).find((file) => fs.existsSync(file));

async function freePort() {
  const server = net.createServer();
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

export async function launch({ width, height, scale }) {
  const port = await freePort();
  // GTK's own scale is the page's device pixel ratio; no accessibility bus.
  const driver = spawn(process.env.VORK_WEBKIT_DRIVER ?? '/usr/bin/WebKitWebDriver', [`--port=${port}`], {
    stdio: ['ignore', 'ignore', 'inherit'],
    env: { ...process.env, GDK_BACKEND: 'x11', GDK_SCALE: String(scale), NO_AT_BRIDGE: '1' },
  });
  const gone = new Promise((resolve) => driver.on('exit', resolve));
  const call = async (method, route, body) => {
    const response = await fetch(`http://127.0.0.1:${port}${route}`, {
      method,
      headers: { 'Content-Type': 'application/json' },
      body: body && JSON.stringify(body),
    });
    const { value } = await response.json();
    if (value?.error) throw new Error(`${value.error}: ${value.message}`);
    return value;
  };
  for (let tries = 0; ; tries++) {
    try {
      await call('GET', '/status');
      break;
    } catch (error) {
      if (tries > 100) throw error;
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
  }
  const { sessionId } = await call('POST', '/session', {
    capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': { binary: browserBinary(), args: ['--automation'] } } },
  });
  const session = `/session/${sessionId}`;
  await call('POST', `${session}/window/rect`, { x: 0, y: 0, width, height });
  return {
    goto: (url) => call('POST', `${session}/url`, { url }),
    // The script's promise is waited for by the driver itself.
    evaluate: (fn, arg) =>
      call('POST', `${session}/execute/sync`, { script: `return (${fn}).call(null, arguments[0]);`, args: [arg ?? null] }),
    async close() {
      await call('DELETE', session).catch(() => {});
      driver.kill();
      await gone;
    },
  };
}
