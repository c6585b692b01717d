// A program that never asks for an event holds the page's only thread, so nothing on that
// thread can say why the page froze: the warning fades in on the compositor, which goes on
// drawing. Seen as a person sees it: a real Chromium window on the X display, read back from
// the screen (a headless page cannot be read while its thread is held).
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {test} from 'node:test';
import puppeteer from 'puppeteer-core';
import {nativeBuild, webBuild} from './lib.mjs';

const WARNING_BORDER = 'B00000';  // the warning box's border colour

// Pixels of the warning's border colour on the screen.
function warningPixels(shot) {
  execFileSync('import', ['-window', 'root', '-crop', '800x1000+0+0', shot]);
  const histogram = execFileSync('convert', [shot, '-alpha', 'off', '-depth', '8', '-format', '%c', 'histogram:info:-'],
                                 {maxBuffer: 1 << 26}).toString();
  const line = histogram.split('\n').find((l) => l.includes(`#${WARNING_BORDER}`));
  return line ? Number(line.trim().split(':')[0]) : 0;
}

test('a program that never waits gets the watchdog\'s warning', {skip: !process.env.DISPLAY && 'no DISPLAY'}, async () => {
  const shots = path.join(nativeBuild, 'e2e-shots', 'web_watchdog');
  fs.mkdirSync(shots, {recursive: true});
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'zorva-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.ZORVA_CHROMIUM || '/usr/lib/chromium/chromium', headless: false,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`,
           '--window-position=0,0', '--window-size=800,1000'],
  });
  try {
    const page = (await browser.pages())[0];
    // The page never finishes loading as far as the browser can tell: the load is not awaited.
    page.goto('file://' + path.join(webBuild, 'test-pages', 'web_test_busy_loop.html')).catch(() => {});
    const shot = path.join(shots, 'frozen.png');
    let seen = 0;
    for (let tries = 0; tries < 600 && seen < 100; ++tries) seen = warningPixels(shot);
    assert.ok(seen >= 100, `the warning is on the screen (${seen} pixels of its border)`);
  } finally {
    // The page's thread is held, so the browser cannot close itself: its whole process group
    // (puppeteer starts it as a group of its own) is killed, and the profile removed once it is gone.
    const chromium = browser.process();
    if (chromium && chromium.exitCode === null && chromium.signalCode === null) {
      const gone = new Promise((resolve) => chromium.once('exit', resolve));
      try { process.kill(-chromium.pid, 'SIGKILL'); } catch { chromium.kill('SIGKILL'); }
      await gone;
    }
    // A helper process may still write into the profile for a moment; a profile left in /tmp
    // is no failure of the page.
    try {
      fs.rmSync(profile, {recursive: true, force: true, maxRetries: 20, retryDelay: 100});
    } catch (error) {
      console.log(`# left ${profile} behind: ${error.message}`);
    }
  }
});
