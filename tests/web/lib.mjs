// Shared helpers of the browser tests: a headless Chromium per test file (a fresh profile,
// nothing from the network), pages of build-web/, input as a person gives it, and reads of
// the canvases. Every wait is for a signal the page gives (window.zorva's counters), never
// for a fixed time. Screenshots go to <build>/e2e-shots/web_<test>/ and stay there.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {fileURLToPath} from 'node:url';
import puppeteer from 'puppeteer-core';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const webBuild = path.resolve(root, process.env.ZORVA_WEB_BUILD || 'build-web');
export const nativeBuild = path.resolve(root, process.env.ZORVA_LINUX_BUILD || 'build');
const chromium = process.env.ZORVA_CHROMIUM || '/usr/lib/chromium/chromium';
const WAIT_MS = Number(process.env.E2E_TIMEOUT || 10) * 1000;  // the most any one wait may take

// The drawing window's canvas: a 19-pixel menu strip, then the 595x496 client area whose
// centre is (0, 0).
export const ORIGIN_X = 297;
export const ORIGIN_Y = 19 + 248;
export const MENU_HEIGHT = 19;

export async function startBrowser() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'zorva-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    // As root Chromium needs --no-sandbox; the rest keep it off the (closed) network.
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync',
           `--user-data-dir=${profile}`],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => { await close(); fs.rmSync(profile, {recursive: true, force: true}); };
  return browser;
}

// A page of one program, with its screenshots folder; `shot(name)` keeps a screenshot.
export async function openProgram(browser, program, test) {
  const page = await browser.newPage();
  await page.setViewport({width: 640, height: 900});
  const shots = path.join(nativeBuild, 'e2e-shots', `web_${test}`);
  fs.mkdirSync(shots, {recursive: true});
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  const downloads = path.join(shots, 'downloads');
  fs.rmSync(downloads, {recursive: true, force: true});
  fs.mkdirSync(downloads, {recursive: true});
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: downloads});
  const url = 'file://' + path.join(webBuild, `${program}.html`);
  await page.goto(url);
  await untilPage(page, () => window.zorva && window.zorva.presents >= 2 && window.zorva.settled());
  return {
    page, shots, errors, downloads,
    shot: (name) => page.screenshot({path: path.join(shots, `${name}.png`)}),
  };
}

export function untilPage(page, predicate, ...args) {
  return page.waitForFunction(predicate, {timeout: WAIT_MS, polling: 'raf'}, ...args);
}

// Waits until the program has taken all input and waits again (all it drew is presented).
export const settle = (page) => untilPage(page, () => window.zorva.settled());

export async function press(page, key, modifier) {
  if (modifier) await page.keyboard.down(modifier);
  await page.keyboard.press(key);
  if (modifier) await page.keyboard.up(modifier);
  await settle(page);
}

// The top-left of a window's canvas in page coordinates, found by its title.
async function canvasBox(page, title) {
  const box = await page.$eval(`canvas[aria-label="${title}"]`, (c) => {
    const r = c.getBoundingClientRect();
    return {x: r.left, y: r.top};
  });
  return box;
}

// A left click at a drawing-window position (frame pixels, menu strip included).
export async function clickFrame(page, x, y, title = 'ZORVA Graphics') {
  const box = await canvasBox(page, title);
  await page.mouse.click(box.x + x + 0.5, box.y + y + 0.5);
  await settle(page);
}
export const clickLogical = (page, x, y) => clickFrame(page, ORIGIN_X + x, ORIGIN_Y - y);

// The pixels of a window's canvas as 0xRRGGBB numbers, row by row.
export async function pixels(page, title = 'ZORVA Graphics') {
  // The bytes cross as base64: a JSON array of a million numbers takes seconds.
  const data = await page.$eval(`canvas[aria-label="${title}"]`, (c) => {
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let binary = '';
    for (let i = 0; i < d.length; i += 8192) binary += String.fromCharCode.apply(null, d.subarray(i, i + 8192));
    return {width: c.width, height: c.height, base64: btoa(binary)};
  });
  const bytes = Buffer.from(data.base64, 'base64');
  const values = new Uint32Array(data.width * data.height);
  for (let i = 0; i < values.length; ++i)
    values[i] = (bytes[4 * i] << 16) | (bytes[4 * i + 1] << 8) | bytes[4 * i + 2];
  return {width: data.width, height: data.height, at: (x, y) => values[y * data.width + x], values};
}

export const zorva = (page) => page.evaluate(() => ({...window.zorva}));

// The ship's logical x in a drawing-window picture, or null: the centre of the widest run of
// columns with 15 or more light gray (#CCCCCC) pixels in the band the ship flies in.
export function shipX(picture) {
  const top = ORIGIN_Y + 220 - 35;
  let best = 0, bestEnd = 0, run = 0;
  for (let x = 0; x < picture.width; ++x) {
    let count = 0;
    for (let y = top; y < top + 40; ++y) if (picture.at(x, y) === 0xCCCCCC) count++;
    if (count >= 15) { run++; if (run > best) { best = run; bestEnd = x; } } else run = 0;
  }
  return best >= 8 ? Math.trunc(bestEnd - (best - 1) / 2) - ORIGIN_X : null;
}

export function countColor(picture, color, box = {x: 0, y: 0, width: picture.width, height: picture.height}) {
  let count = 0;
  for (let y = box.y; y < box.y + box.height; ++y)
    for (let x = box.x; x < box.x + box.width; ++x) if (picture.at(x, y) === color) count++;
  return count;
}

// Waits until a file of that name is in the downloads folder and returns its bytes.
export async function downloaded(downloads, name) {
  const file = path.join(downloads, name);
  const until = Date.now() + WAIT_MS;
  while (!fs.existsSync(file)) {
    if (Date.now() > until) throw new Error(`${name} was not downloaded`);
    await new Promise((resolve) => setImmediate(resolve));
  }
  return fs.readFileSync(file);
}
