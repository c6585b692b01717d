// The web page's figures, measured in headless Chromium as the browser tests drive it:
//   startup: page times of the page's parse, the wasm's compile, the runtime's start and the
//            first frame, and the time of the page's calls before it, for LOADS fresh
//            loads of shooter.html (ZORVA_PAGE: another page), each in a new tab, from disk, once
//            the browser's own start-up work is over (ZORVA_BROWSER_START_MS, 15 s);
//   idle:    CPU of the whole browser (every Chromium process: utime + stime from /proc) over
//            SECONDS while the shooter is halted with Ctrl+H, then with its watchdog stopped,
//            twice by turns, then with a blank page instead, ROUNDS times (each in a new browser, measured
//            once its own start-up work is over: ZORVA_BROWSER_START_MS, 15 s), with the
//            share of the renderers and the GPU process beside the whole.
// Prints one line per figure with its spread; the machine's load average goes with it.
//   node bench/measure-web.mjs [startup|idle|all] [LOADS|SECONDS] [ROUNDS]
// Needs build-web/ (make web) and tests/web/node_modules (scripts/install-deps.sh web).
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {execFileSync} from 'node:child_process';
import {openProgram, press, startBrowser, untilPage, webBuild} from '../tests/web/lib.mjs';

const [what = 'all', countArg, roundsArg] = process.argv.slice(2);
const ticksPerSecond = Number(execFileSync('getconf', ['CLK_TCK']).toString());
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const spread = (values, digits) =>
  `median ${median(values).toFixed(digits)}, min ${Math.min(...values).toFixed(digits)}, ` +
  `max ${Math.max(...values).toFixed(digits)} (${values.map((v) => v.toFixed(digits)).join(' ')})`;
const load = () => os.loadavg().map((l) => l.toFixed(2)).join(' ');

// Set before the page's own script runs: times of the wasm's compile and of the page's
// calls from the program (each call's own time, summed by name) until the first frame.
function watchStartup() {
  const marks = {calls: {}};
  window.zorvaStartup = marks;
  const instantiate = WebAssembly.instantiate;
  WebAssembly.instantiate = (...args) => {
    marks.compileStartMs = performance.now();
    return instantiate(...args).then((result) => { marks.compileEndMs = performance.now(); return result; });
  };
  const module = {};
  let page;
  Object.defineProperty(module, 'zorvaPage', {
    get: () => page,
    set(value) {
      page = value;
      for (const [name, call] of Object.entries(value)) {
        value[name] = function (...args) {
          const start = performance.now();
          try { return call.apply(this, args); } finally {
            if (window.zorva.firstFrameMs === null || name === 'present' && window.zorva.presents === 1) {
              const sum = marks.calls[name] || (marks.calls[name] = {ms: 0, count: 0});
              sum.ms += performance.now() - start;
              sum.count++;
            }
          }
        };
      }
    },
  });
  window.Module = module;
}

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
// A browser just started spends its first seconds on work of its own (profile databases,
// block lists, predictors) that has nothing to do with the page: measured after it.
const BROWSER_START_MS = Number(process.env.ZORVA_BROWSER_START_MS || 15000);

async function startup(loads) {
  const browser = await startBrowser();
  const url = 'file://' + path.join(webBuild, process.env.ZORVA_PAGE || 'shooter.html');
  const rows = {parsed: [], compileStart: [], compiled: [], runtime: [], frame: []};
  const calls = {};
  try {
    // The first tabs of a browser just started share its start-up work: loads begin after it.
    await pause(BROWSER_START_MS);
    for (let i = 0; i < loads; ++i) {
      const page = await browser.newPage();
      await page.evaluateOnNewDocument(watchStartup);
      await page.goto(url);
      await untilPage(page, () => window.zorva && window.zorva.firstFrameMs !== null);
      const z = await page.evaluate(() => ({...window.zorva, ...window.zorvaStartup,
        parsedMs: performance.getEntriesByType('navigation')[0].domInteractive}));
      rows.parsed.push(z.parsedMs);
      rows.compileStart.push(z.compileStartMs);
      rows.compiled.push(z.compileEndMs);
      rows.runtime.push(z.runtimeReadyMs);
      rows.frame.push(z.firstFrameMs);
      for (const [name, {ms}] of Object.entries(z.calls)) (calls[name] = calls[name] || []).push(ms);
      await page.close();
    }
  } finally {
    await browser.close();
  }
  console.log(`startup page parsed ms:     ${spread(rows.parsed, 0)}`);
  console.log(`startup wasm compile from:  ${spread(rows.compileStart, 0)}`);
  console.log(`startup wasm compiled ms:   ${spread(rows.compiled, 0)}`);
  console.log(`startup runtime ready ms:   ${spread(rows.runtime, 0)}`);
  console.log(`startup first frame ms:     ${spread(rows.frame, 0)}`);
  for (const [name, values] of Object.entries(calls))
    console.log(`startup page.${name} ms before the first frame: ${spread(values, 1)}`);
}

// Clock ticks used by a process and every process under it, in all and by the kind of
// process (Chromium's --type: the page's renderer, the GPU process that composites, ...).
function treeTicks(root) {
  const children = new Map();
  const used = new Map();
  for (const name of fs.readdirSync('/proc')) {
    if (!/^\d+$/.test(name)) continue;
    let stat;
    try { stat = fs.readFileSync(`/proc/${name}/stat`, 'utf8'); } catch { continue; }
    const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
    const parent = Number(fields[1]);
    if (!children.has(parent)) children.set(parent, []);
    children.get(parent).push(Number(name));
    used.set(Number(name), Number(fields[11]) + Number(fields[12]));
  }
  const ticks = {total: 0};
  const pending = [root];
  while (pending.length) {
    const pid = pending.pop();
    let kind = 'browser';
    try {
      const type = /--type=([a-z-]+)/.exec(fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8'));
      if (type) kind = type[1];
    } catch { /* gone meanwhile */ }
    ticks[kind] = (ticks[kind] || 0) + (used.get(pid) || 0);
    ticks.total += used.get(pid) || 0;
    pending.push(...(children.get(pid) || []));
  }
  return ticks;
}

// Percent of one core used by the whole browser over `seconds`, with the renderers' and the
// GPU process's (compositing) shares: what the page's own work costs, less noisy than the whole.
async function browserCpu(browser, seconds) {
  const pid = browser.process().pid;
  const start = treeTicks(pid);
  await new Promise((resolve) => setTimeout(resolve, seconds * 1000));
  const end = treeTicks(pid);
  const percent = (kind) => 100 * ((end[kind] || 0) - (start[kind] || 0)) / ticksPerSecond / seconds;
  return {total: percent('total'), renderer: percent('renderer'), gpu: percent('gpu-process')};
}

async function idle(seconds, rounds) {
  const figures = {halted: [], unwatched: [], blank: []};
  const record = (name, cpu) => { figures[name].push(cpu); };
  for (let round = 0; round < rounds; ++round) {
    const browser = await startBrowser();
    try {
      const run = await openProgram(browser, 'shooter', 'measure');
      await press(run.page, 'h', 'Control');
      // The tick already on its way is drawn; after that nothing changes.
      const {waits} = await run.page.evaluate(() => window.zorva);
      await untilPage(run.page, (n) => window.zorva.waits >= n, waits + 3);
      await pause(BROWSER_START_MS);
      const before = await run.page.evaluate(() => ({...window.zorva}));
      // With the watchdog and without it, by turns, so that both see the same browser.
      for (let turn = 0; turn < 2; ++turn) {
        record('halted', await browserCpu(browser, seconds));
        await run.page.evaluate(() => window.zorva.stopWatchdog());
        await pause(1000);
        record('unwatched', await browserCpu(browser, seconds));
        await run.page.evaluate(() => window.zorva.startWatchdog());
        await pause(1000);
      }
      const after = await run.page.evaluate(() => ({...window.zorva}));
      if (after.presents !== before.presents) throw new Error('the halted shooter presented a frame');
      console.log(`idle round ${round + 1}: ${((after.waits - before.waits) / (4 * seconds + 4)).toFixed(1)} waits a second`);
      // The same browser with a blank page instead: what the browser costs by itself.
      const page = await browser.newPage();
      await page.goto('about:blank');
      await run.page.close();
      await pause(3000);
      record('blank', await browserCpu(browser, seconds));
    } finally {
      await browser.close();
    }
  }
  const show = (label, name) => {
    console.log(`${label} whole browser %: ${spread(figures[name].map((f) => f.total), 2)}`);
    console.log(`${label} renderers %: ${spread(figures[name].map((f) => f.renderer), 2)}`);
    console.log(`${label} GPU process %: ${spread(figures[name].map((f) => f.gpu), 2)}`);
  };
  show('idle halted shooter,', 'halted');
  show('idle halted, no watchdog,', 'unwatched');
  show('idle blank page,', 'blank');
}

console.log(`load average at start: ${load()}`);
if (what === 'startup' || what === 'all') await startup(Number(countArg || 10));
if (what === 'idle' || what === 'all') await idle(Number(what === 'idle' && countArg || 10), Number(roundsArg || 3));
console.log(`load average at end: ${load()}`);
