// The shooter in the browser: it draws its scene and animates; Ctrl+H halts it; "," and "."
// turn the ship and Ctrl+F (and the Run menu's "Advance one frame") move it one step;
// space fires; the Run menu follows a held button and Animate chosen there resumes; Ctrl+A
// resumes; Ctrl+Q ends the program, and "Run again" starts it anew.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';
import {MENU_HEIGHT, ORIGIN_Y, clickFrame, countColor, openProgram, pixels, press, settle, shipX, startBrowser,
        untilPage, zorva} from './lib.mjs';

let browser, run;
before(async () => {
  browser = await startBrowser();
  run = await openProgram(browser, 'shooter', 'shooter');
});
after(async () => browser && browser.close());

// The ship's x after input, with one more step while sparks or a collision hide the ship.
async function shipAfter(page) {
  for (let tries = 0; tries < 3; ++tries) {
    const x = shipX(await pixels(page));
    if (x !== null) return x;
    await step(page);
  }
  assert.fail('the ship cannot be found');
}

// Ctrl+F (or another key that advances a frame): waits until the frame it asks for is drawn.
async function step(page, key = 'f', modifier = 'Control') {
  const {presents} = await zorva(page);
  await press(page, key, modifier);
  await untilPage(page, (n) => window.zorva.presents > n && window.zorva.settled(), presents);
}

// Several ticks: each waits for the page to present another frame after a timer turn.
async function ticks(page, count) {
  const {presents} = await zorva(page);
  await untilPage(page, (n) => window.zorva.presents >= n && window.zorva.settled(), presents + count);
}

test('the scene is drawn and animates', async () => {
  const {page} = run;
  await ticks(page, 3);
  const first = shipX(await pixels(page));
  assert.notEqual(first, null, 'the ship is drawn');
  const stars = countColor(await pixels(page), 0xFFFFFF, {x: 0, y: MENU_HEIGHT, width: 595, height: 400});
  assert.ok(stars > 100, `stars are drawn (${stars} white pixels)`);
  await ticks(page, 3);
  await run.shot('running');
  assert.notEqual(shipX(await pixels(page)), first, 'the ship flies on its own');
});

test('Ctrl+H halts: timer turns go on, nothing is drawn', async () => {
  const {page} = run;
  await press(page, 'h', 'Control');
  // A tick already on its way when the animation halted is still drawn.
  const halted = await zorva(page);
  await untilPage(page, (n) => window.zorva.waits >= n && window.zorva.settled(), halted.waits + 3);
  const before = await zorva(page);
  const picture = (await pixels(page)).values;
  await untilPage(page, (n) => window.zorva.waits >= n && window.zorva.settled(), before.waits + 5);
  assert.equal((await zorva(page)).presents, before.presents);
  assert.deepEqual((await pixels(page)).values, picture);
});

test('"," and "." turn the ship; Ctrl+F and the Run menu step it', async () => {
  const {page} = run;
  const x0 = await shipAfter(page);
  // Towards the middle first, where one step cannot reach a side, then back.
  const turns = x0 > 0 ? [[',', -1], ['.', 1]] : [['.', 1], [',', -1]];
  let x = x0;
  for (const [key, sign] of turns) {
    await step(page, key, null);
    await step(page);
    const stepped = await shipAfter(page);
    assert.equal(stepped, x + 9 * sign, `"${key}" then Ctrl+F moves the ship one step`);
    x = stepped;
  }
  // The Run menu, opened with the mouse, chooses "Advance one frame" by its mnemonic.
  await clickFrame(page, 15, MENU_HEIGHT / 2);
  await run.shot('run-menu');
  const menu = await pixels(page);
  assert.ok(countColor(menu, 0x000000, {x: 0, y: MENU_HEIGHT, width: 120, height: 100}) < 6000,
            'the popup covers the playfield under the menu strip');
  // Closing the menu is drawn at once, the frame it asks for on the next tick.
  await press(page, 'f');
  let moved = await shipAfter(page);
  for (let turns = 0; moved === x && turns < 20; ++turns) {
    const {waits} = await zorva(page);
    await untilPage(page, (n) => window.zorva.waits > n && window.zorva.settled(), waits);
    moved = await shipAfter(page);
  }
  assert.equal(moved, x + turns[1][1] * 9, 'the menu item advanced one frame');
});

test('space fires a pair of bullets', async () => {
  const {page} = run;
  const green = async () => countColor(await pixels(page), 0x00FF00, {x: 0, y: 0, width: 595, height: ORIGIN_Y + 220});
  const before = await green();
  await step(page, ' ', null);
  await step(page);
  assert.ok(await green() > before, 'green bullet pixels appear above the ship');
});

test('the Run menu follows the mouse: the item under it is highlighted, the release chooses', async () => {
  const {page} = run;
  const box = await page.$eval('canvas[aria-label="ZORVA Graphics"]', (c) => c.getBoundingClientRect().toJSON());
  const moveTo = async (x, y) => { await page.mouse.move(box.x + x, box.y + y); await settle(page); };
  // Highlighted pixels in the rows of the two first items, Animate and Halt animation.
  const highlighted = async () => {
    const picture = await pixels(page);
    return [37, 55].map((y) => countColor(picture, 0x0A246A, {x: 10, y: y - 5, width: 150, height: 10}) > 500);
  };
  const x = await shipAfter(page);
  await moveTo(20, 10);
  await page.mouse.down();
  try {
    await settle(page);
    assert.deepEqual(await highlighted(), [false, false], 'the press on Run opens the popup, nothing highlighted');
    for (const [y, expected] of [[55, [false, true]], [37, [true, false]]]) {
      await moveTo(70, y);
      assert.deepEqual(await highlighted(), expected, `the item at y ${y} is highlighted`);
    }
  } finally {
    // Releasing on Animate chooses it: the halted game runs again.
    await page.mouse.up();
  }
  await settle(page);
  await ticks(page, 3);
  assert.deepEqual(await highlighted(), [false, false], 'the popup is closed');
  assert.notEqual(shipX(await pixels(page)), x, 'the ship flies again');
});

test('Ctrl+A resumes, Ctrl+Q ends the program and Run again starts it anew', async () => {
  const {page} = run;
  await press(page, 'a', 'Control');
  await ticks(page, 4);
  await run.shot('game');  // the picture of the game in the browser, for the manual
  await press(page, 'q', 'Control');
  await untilPage(page, () => window.zorva.state === 'ended');
  assert.equal(await page.$eval('#zorva-ended', (e) => e.hidden), false, 'the end is shown');
  await run.shot('ended');
  await page.click('#zorva-run-again');
  await untilPage(page, () => window.zorva && window.zorva.state === 'running' && window.zorva.presents >= 2);
  await settle(page);
  assert.deepEqual(run.errors, []);
});
