// ZORVA.SCR in the browser: a recording made in the page is kept across a reload and plays
// back the same picture; "Download recording" gives it in the desktop's format, and a file
// loaded with "Load recording" (here one with Windows line ends) is kept and plays too.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import {after, before, test} from 'node:test';
import {ORIGIN_X, ORIGIN_Y, clickLogical, downloaded, openProgram, pixels, press, settle, startBrowser,
        untilPage} from './lib.mjs';

let browser, run;
before(async () => {
  browser = await startBrowser();
  run = await openProgram(browser, 'example_click_draw', 'recording');
});
after(async () => browser && browser.close());

const CLICKS = [[-100, 40], [60, 120], [130, -80]];

// Playback hands the program one recorded event per turn; it is over once the program
// waits with nothing left to do for a few timer turns.
async function playBack(page) {
  await press(page, 'p', 'Control');
  const {waits} = await page.evaluate(() => ({waits: window.zorva.waits}));
  await untilPage(page, (n) => window.zorva.waits >= n && window.zorva.settled(), waits + 3);
}

test('a recording made in the page plays back after a reload, in the desktop format', async () => {
  const {page} = run;
  await press(page, 'r', 'Control');
  for (const [x, y] of CLICKS) await clickLogical(page, x, y);
  await press(page, 'r', 'Control');
  const recorded = (await pixels(page)).values;
  await run.shot('recorded');

  await page.click('#zorva-download');
  const script = (await downloaded(run.downloads, 'ZORVA.SCR')).toString('latin1');
  assert.deepEqual(script.split('\n').filter((line) => line.startsWith('ZORVA_MOUSE')),
                   CLICKS.map(([x, y]) => `ZORVA_MOUSE(${x}, ${y});`));

  await page.reload();
  await untilPage(page, () => window.zorva.state === 'running' && window.zorva.presents >= 2);
  await settle(page);
  await playBack(page);
  await run.shot('played-back');
  assert.deepEqual((await pixels(page)).values, recorded, 'the playback draws the recorded picture');
});

test('a loaded recording with Windows line ends plays', async () => {
  const {page} = run;
  const file = path.join(run.shots, 'loaded.SCR');
  fs.writeFileSync(file, 'ZORVA_MOUSE(0, 0);\r\nZORVA_MOUSE(-50, -50);\r\n');
  const input = await page.$('#zorva-load-input');
  await input.uploadFile(file);
  await untilPage(page, () => window.zorva.loads === 1);
  // The program still holds the file it played to its end; a new run opens the loaded one.
  await page.reload();
  await untilPage(page, () => window.zorva.state === 'running' && window.zorva.presents >= 2);
  await settle(page);
  await playBack(page);
  await run.shot('loaded-played-back');
  const picture = await pixels(page);
  assert.equal(picture.at(ORIGIN_X, ORIGIN_Y), 0x0000FF);
  assert.equal(picture.at(ORIGIN_X - 50, ORIGIN_Y + 50), 0x0000FF);
  assert.deepEqual(run.errors, []);
});
