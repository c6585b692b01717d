// Examples in the browser: click_draw draws where it is clicked, with the same pixels as the
// desktop build; greeting's prompt dialog answers; the pages stay small.
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import {after, before, test} from 'node:test';
import {MENU_HEIGHT, ORIGIN_X, ORIGIN_Y, clickLogical, downloaded, nativeBuild, openProgram, pixels, press,
        startBrowser, untilPage, webBuild, zorva} from './lib.mjs';

let browser;
before(async () => { browser = await startBrowser(); });
after(async () => browser && browser.close());

const CLICKS = [[-120, -60], [0, 80], [150, -100], [-40, -150]];
const BLUE = 0x0000FF;

function readPpm(file) {
  const bytes = fs.readFileSync(file);
  const header = bytes.toString('latin1', 0, 20).split(/\s+/);
  const [width, height] = [Number(header[1]), Number(header[2])];
  const start = bytes.length - width * height * 3;
  const values = new Uint32Array(width * height);
  for (let i = 0; i < values.length; ++i)
    values[i] = (bytes[start + 3 * i] << 16) | (bytes[start + 3 * i + 1] << 8) | bytes[start + 3 * i + 2];
  return {width, height, values, at: (x, y) => values[y * width + x]};
}

// The box of the pixels that are not white in a region; null if all are white.
function inkBox(picture, region) {
  let box = null;
  for (let y = region.y; y < region.y + region.height; ++y)
    for (let x = region.x; x < region.x + region.width; ++x) {
      if (picture.at(x, y) === 0xFFFFFF) continue;
      if (!box) box = {left: x, top: y, right: x, bottom: y};
      box.left = Math.min(box.left, x); box.right = Math.max(box.right, x);
      box.top = Math.min(box.top, y); box.bottom = Math.max(box.bottom, y);
    }
  return box;
}

test('click_draw draws at the clicked position, pixel for pixel as on the desktop', async () => {
  const run = await openProgram(browser, 'example_click_draw', 'click_draw');
  for (const [x, y] of CLICKS) {
    await clickLogical(run.page, x, y);
    const picture = await pixels(run.page);
    assert.equal(picture.at(ORIGIN_X + x, ORIGIN_Y - y), BLUE, `a dot at (${x}, ${y})`);
  }
  await run.shot('clicked');
  const page = await pixels(run.page);
  const reference = path.join(run.shots, 'desktop.ppm');
  execFileSync(path.join(nativeBuild, 'web_desktop_picture'), [reference, ...CLICKS.flat().map(String)]);
  const desktop = readPpm(reference);
  assert.equal(page.width, desktop.width);
  assert.equal(page.height, desktop.height);
  // The help line's text is the browser's, so only its box is compared; every other pixel
  // (menu strip text aside) must be the desktop's.
  const textRegion = {x: 0, y: MENU_HEIGHT, width: 540, height: 40};
  let differing = 0;
  for (let y = MENU_HEIGHT; y < page.height; ++y)
    for (let x = 0; x < page.width; ++x) {
      const inText = x < textRegion.width && y < textRegion.y + textRegion.height;
      if (!inText && page.at(x, y) !== desktop.at(x, y)) differing++;
    }
  assert.equal(differing, 0, 'the shapes are the desktop\'s pixels');
  const ours = inkBox(page, textRegion), theirs = inkBox(desktop, textRegion);
  for (const side of ['left', 'top', 'right', 'bottom'])
    assert.ok(Math.abs(ours[side] - theirs[side]) <= 1, `the text's ${side} edge: ${ours[side]} here, ${theirs[side]} on the desktop`);
  await run.page.close();
});

test('Ctrl+S offers the picture as a download, and the program goes on', async () => {
  const run = await openProgram(browser, 'example_click_draw', 'save_picture');
  await clickLogical(run.page, 10, 10);
  await press(run.page, 's', 'Control');
  const png = await downloaded(run.downloads, 'ZORVA-001.png');
  assert.equal(png.subarray(1, 4).toString('latin1'), 'PNG');
  await clickLogical(run.page, -10, -10);
  assert.equal((await pixels(run.page)).at(ORIGIN_X - 10, ORIGIN_Y + 10), BLUE, 'it still draws');
  assert.deepEqual(run.errors, []);
  await run.page.close();
});

test('a program that calls exit() itself shows that it ended', async () => {
  const run = await openProgram(browser, 'test-pages/web_test_exits_itself', 'exits_itself');
  await run.page.keyboard.press('x');
  await untilPage(run.page, () => window.zorva.state === 'ended');
  const {exitStatus} = await zorva(run.page);
  assert.equal(exitStatus, 3);
  assert.match(await run.page.$eval('#zorva-state', (e) => e.textContent), /ended with status 3/);
  assert.equal(await run.page.$eval('#zorva-ended', (e) => e.hidden), false);
  await run.shot('ended');
  assert.deepEqual(run.errors, []);
  await run.page.close();
});

test('greeting answers its prompt', async () => {
  const run = await openProgram(browser, 'example_greeting', 'greeting');
  assert.equal(await run.page.$$eval('canvas.zorva-window', (c) => c.length), 3, 'the prompt dialog has its own canvas');
  await run.shot('prompt');
  await run.page.keyboard.type('Ada');
  await press(run.page, 'Enter');
  await untilPage(run.page, () => document.querySelectorAll('canvas.zorva-window').length === 2);
  const picture = await pixels(run.page);
  // The navy card with the greeting in white.
  assert.equal(picture.at(ORIGIN_X - 240, ORIGIN_Y - 100), 0x003399);
  let white = 0;
  for (let x = ORIGIN_X - 200; x < ORIGIN_X + 100; ++x)
    for (let y = ORIGIN_Y + 20; y < ORIGIN_Y + 42; ++y) if (picture.at(x, y) === 0xFFFFFF) white++;
  assert.ok(white > 100, `the greeting is written (${white} white pixels)`);
  await run.shot('greeted');
  await run.page.close();
});

// Each window's frame, from the top of the page down: [canvas id, caption text, frame box,
// canvas box, caption box (left, top, width, height on the page's screen), active].
async function frames(page) {
  const windows = await page.$$eval('canvas.zorva-window', (all) => all.map((canvas) => {
    const frame = canvas.previousElementSibling;
    const caption = frame.querySelector('.zorva-caption');
    const desk = document.getElementById('zorva-desktop').getBoundingClientRect();
    const at = (e) => { const r = e.getBoundingClientRect(); return [r.left - desk.left, r.top - desk.top, r.width, r.height]; };
    return [canvas.id, caption && caption.textContent, at(frame), at(canvas), caption && at(caption),
            frame.classList.contains('zorva-active')];
  }));
  return windows.sort((a, b) => a[2][1] - b[2][1]);
}

test('each window shows its title in a caption bar above its canvas, which stays in place', async () => {
  const run = await openProgram(browser, 'example_greeting', 'captions');
  const windows = await frames(run.page);
  // The canvases stay where the platform puts the windows' insides: the drawing window's
  // 601x540 with a 3-pixel frame, the text window's with a 4-pixel sizing frame.
  const framed = windows.filter(([, title]) => title !== 'ZORVA_gets');
  assert.deepEqual(framed.map(([, title, frame, canvas]) => [title, frame, canvas.slice(0, 2)]), [
    ['ZORVA Graphics', [0, 0, 601, 540], [3, 22]],
    ['ZORVA Text', [0, 541, 601, 270], [4, 564]],
  ]);
  for (const [id, title, frame, canvas, caption, active] of windows) {
    assert.ok(caption, `${id} has a caption`);
    assert.equal(caption[1] + caption[3], canvas[1], `${title}: the caption ends where the canvas begins`);
    assert.deepEqual([caption[0], caption[2]], [canvas[0], canvas[2]], `${title}: the caption is as wide as the canvas`);
    assert.equal(active, title === 'ZORVA_gets', `${title}: only the prompt, which has the keyboard, is active`);
  }
  await run.shot('captions');
  await run.page.close();
});

test('a caption follows the window\'s text', async () => {
  const run = await openProgram(browser, 'test-pages/web_test_retitles', 'retitles');
  await clickLogical(run.page, 0, 0);
  await press(run.page, 'k');
  const [[, drawing], [, text]] = await frames(run.page);
  assert.deepEqual([drawing, text, await run.page.title()], ['Typed k', 'ZORVA Text', 'Typed k']);
  assert.deepEqual(run.errors, []);
  await run.page.close();
});

test('every page is one file, and the shooter\'s at most 400 KB', () => {
  const pages = fs.readdirSync(webBuild).filter((name) => name.endsWith('.html'));
  assert.ok(pages.includes('shooter.html') && pages.includes('example_click_draw.html'));
  for (const name of pages) {
    const html = fs.readFileSync(path.join(webBuild, name), 'latin1');
    assert.ok(!/src="[^"]+\.(js|wasm)"/.test(html), `${name} loads no other file`);
  }
  const size = fs.statSync(path.join(webBuild, 'shooter.html')).size;
  assert.ok(size <= 400 * 1024, `shooter.html is ${size} bytes`);
});

test('keys of the DOM become Windows virtual keys', async () => {
  const run = await openProgram(browser, 'example_hello', 'keys');
  const cases = [  // [code, key, ctrl, virtual key, character]
    ['KeyA', 'a', false, 65, 97], ['KeyA', 'a', true, 65, 0], ['Space', ' ', false, 32, 32],
    ['Comma', ',', false, 188, 44], ['Period', '.', false, 190, 46], ['Digit4', '4', false, 52, 52],
    ['Numpad8', '8', false, 104, 56], ['Enter', 'Enter', false, 13, 0], ['ControlLeft', 'Control', false, 17, 0],
    ['F10', 'F10', false, 121, 0], ['Quote', 'é', false, 222, 233], ['IntlRo', '€', false, 0, 0],
  ];
  const got = await run.page.evaluate((rows) => rows.map(([code, key, ctrlKey]) => window.zorva.keyOf(
    {code, key, ctrlKey, altKey: false, getModifierState: () => false})), cases);
  assert.deepEqual(got, cases.map((row) => [row[3], row[4]]));
  await run.page.close();
});
