// The page's half of the web driver (inserted before the program's own code): one canvas per
// top-level window, DOM input queued for the program, the wait as a promise, the browser's
// fonts, ZORVA.SCR kept in the page's storage, and the program's end and watchdog states.
// window.zorva exposes counters that tests wait on instead of waiting a fixed time.
(function () {
  'use strict';
  const SCRIPT_FILE = '/ZORVA.SCR';
  const STORAGE_KEY = 'zorva:' + location.pathname + ':ZORVA.SCR';
  const WATCHDOG_MS = 3000;  // a program that keeps the page this long without waiting

  const element = (id) => document.getElementById(id);
  const status = {
    state: 'loading',      // 'running', 'ended' or 'failed'
    exitStatus: null,
    presents: 0,           // canvases drawn, all windows together
    firstFrameMs: null,    // page time of the first present
    waits: 0,              // times the program gave the browser its thread back
    waiting: false,        // the program is waiting for input right now
    queued: 0,             // input events not yet taken by the program
    storageError: null,
    runtimeReadyMs: null,  // page times of the runtime's start and of the program's
    mainStartMs: null,
    // True once the program has taken every input event and is waiting again: whatever the
    // input caused has been drawn and presented.
    settled() { return this.state !== 'running' || (this.waiting && this.queued === 0); },
  };
  window.zorva = status;

  // ---- keys: DOM key names to Windows virtual-key codes ----
  const VK_BY_CODE = {
    Enter: 13, NumpadEnter: 13, Escape: 27, Backspace: 8, Tab: 9, Space: 32,
    ShiftLeft: 16, ShiftRight: 16, ControlLeft: 17, ControlRight: 17, AltLeft: 18, AltRight: 18,
    Pause: 19, CapsLock: 20, PageUp: 33, PageDown: 34, End: 35, Home: 36,
    ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40, Insert: 45, Delete: 46,
    NumpadMultiply: 106, NumpadAdd: 107, NumpadSubtract: 109, NumpadDecimal: 110, NumpadDivide: 111,
    Semicolon: 186, Equal: 187, Comma: 188, Minus: 189, Period: 190, Slash: 191, Backquote: 192,
    BracketLeft: 219, Backslash: 220, BracketRight: 221, Quote: 222,
  };
  // Keys the browser keeps for itself even while a program runs (reload, full screen,
  // developer tools); every other key goes to the program and not to the browser.
  const BROWSER_KEYS = new Set(['F5', 'F11', 'F12']);

  // [virtual key, character typed (0: the platform derives it from key and modifiers)].
  function keyOf(event) {
    let vk = 0;
    const key = event.key || '';
    const code = event.code || '';
    if (/^[a-zA-Z]$/.test(key)) vk = key.toUpperCase().charCodeAt(0);       // letters by layout
    else if (/^Key[A-Z]$/.test(code)) vk = code.charCodeAt(3);
    else if (/^Digit[0-9]$/.test(code)) vk = code.charCodeAt(5);
    else if (/^Numpad[0-9]$/.test(code)) vk = 96 + code.charCodeAt(6) - 48;
    else if (/^F([1-9]|1[0-2])$/.test(code)) vk = 111 + Number(code.slice(1));
    else if (code in VK_BY_CODE) vk = VK_BY_CODE[code];
    // With Ctrl or Alt held a key types no character of its own (AltGr still does).
    const modified = (event.ctrlKey || event.altKey) && !event.getModifierState('AltGraph');
    let typed = 0;
    if (!modified && key.length === 1 && key.charCodeAt(0) <= 255) typed = key.charCodeAt(0);
    return [vk, typed];
  }
  status.keyOf = keyOf;  // for tests of the table

  // ---- input queue: five numbers an event (kind, canvas, three values) ----
  const KEY_DOWN = 1, KEY_UP = 2, BUTTON = 3, FOCUS_GAINED = 4, FOCUS_LOST = 5, MOUSE_MOVED = 6;
  const queue = [];
  let wake = null;
  function push(kind, canvas, a, b, c) {
    if (status.state !== 'running') return;
    const last = queue[queue.length - 1];
    // Only the latest place of a pointer that keeps moving matters.
    if (kind === MOUSE_MOVED && last && last[0] === MOUSE_MOVED && last[1] === canvas) queue.pop();
    queue.push([kind, canvas, a, b, c]);
    status.queued = queue.length;
    if (wake) { const w = wake; wake = null; w(); }
  }

  // ---- canvases ----
  const canvases = new Map();  // canvas id -> {canvas, context}
  let pressedCanvas = 0;       // the canvas that got the last button press, which gets its release
  let activeCanvas = 0;        // the window that has the keyboard while the page has it
  let topZ = 1;

  function framePoint(canvas, event) {
    const box = canvas.getBoundingClientRect();
    const x = Math.floor((event.clientX - box.left) * canvas.width / Math.max(box.width, 1));
    const y = Math.floor((event.clientY - box.top) * canvas.height / Math.max(box.height, 1));
    return [x, y];
  }

  // The window's frame, drawn by the page as a desktop would: a box at the window's outer
  // rectangle under its canvas, with the title in a caption bar in the room above the canvas.
  function openFrame(x, y, frame, title, captioned, z) {
    const box = document.createElement('div');
    box.className = 'zorva-frame';
    box.style.left = frame[0] + 'px';
    box.style.top = frame[1] + 'px';
    box.style.width = frame[2] + 'px';
    box.style.height = frame[3] + 'px';
    box.style.zIndex = String(z);
    let caption = null;
    if (captioned) {
      const side = Math.max(x - frame[0], 0);
      caption = document.createElement('div');
      caption.className = 'zorva-caption';
      caption.style.left = caption.style.top = caption.style.right = side + 'px';
      caption.style.height = Math.max(y - frame[1] - side, 0) + 'px';
      caption.textContent = title;
      box.appendChild(caption);
    }
    element('zorva-desktop').appendChild(box);
    return {box, caption};
  }

  // The active window's caption is drawn as active, the others' as inactive.
  function activate(id) {
    activeCanvas = id;
    canvases.forEach((entry, other) => entry.frame.box.classList.toggle('zorva-active', other === id));
  }

  function openCanvas(id, x, y, width, height, title, owned, frame, captioned) {
    const canvas = document.createElement('canvas');
    canvas.width = width;
    canvas.height = height;
    canvas.className = 'zorva-window';
    canvas.id = 'zorva-window-' + id;
    canvas.style.left = x + 'px';
    canvas.style.top = y + 'px';
    canvas.style.zIndex = String(topZ++);
    canvas.setAttribute('aria-label', title);
    canvas.addEventListener('mousedown', (event) => {
      if (event.button !== 0) return;
      event.preventDefault();
      pressedCanvas = id;
      const [fx, fy] = framePoint(canvas, event);
      // A click activates the window, as a window manager would.
      if (activeCanvas !== id) { activate(id); push(FOCUS_GAINED, id, 0, 0, 0); }
      push(BUTTON, id, fx, fy, 1);
    });
    canvas.addEventListener('mousemove', (event) => {
      if (pressedCanvas) return;  // the document's listener follows a held button
      const [fx, fy] = framePoint(canvas, event);
      push(MOUSE_MOVED, id, fx, fy, 0);
    });
    canvas.addEventListener('contextmenu', (event) => event.preventDefault());
    const z = topZ - 1;
    const windowFrame = openFrame(x, y, frame, title, captioned, z);
    element('zorva-desktop').appendChild(canvas);
    canvases.set(id, {canvas, context: canvas.getContext('2d'), owned, z, frame: windowFrame});
    if (!owned) document.title = title;
    activate(id);  // a window just shown has the keyboard
  }

  function closeCanvas(id) {
    const entry = canvases.get(id);
    if (entry) { entry.canvas.remove(); entry.frame.box.remove(); }
    canvases.delete(id);
    if (activeCanvas !== id) return;
    // As on a desktop, the window on top of the rest becomes the active one.
    let next = 0, top = -1;
    canvases.forEach((e, other) => { if (e.z > top) { top = e.z; next = other; } });
    activate(next);
    if (next) push(FOCUS_GAINED, next, 0, 0, 0);
  }

  document.addEventListener('mouseup', (event) => {
    if (event.button !== 0 || !pressedCanvas) return;
    const entry = canvases.get(pressedCanvas);
    if (entry) {
      const [fx, fy] = framePoint(entry.canvas, event);
      push(BUTTON, pressedCanvas, fx, fy, 0);
    }
    pressedCanvas = 0;
  });
  // While the button is held the window that took the press follows the pointer, wherever it is.
  document.addEventListener('mousemove', (event) => {
    const entry = pressedCanvas && canvases.get(pressedCanvas);
    if (!entry) return;
    const [fx, fy] = framePoint(entry.canvas, event);
    push(MOUSE_MOVED, pressedCanvas, fx, fy, 0);
  });
  document.addEventListener('keydown', (event) => {
    if (status.state !== 'running' || BROWSER_KEYS.has(event.code)) return;
    if (event.target instanceof HTMLInputElement) return;
    const [vk, typed] = keyOf(event);
    if (!vk && !typed) return;
    event.preventDefault();
    push(KEY_DOWN, 0, vk, typed, event.repeat ? 1 : 0);
  });
  document.addEventListener('keyup', (event) => {
    if (status.state !== 'running' || BROWSER_KEYS.has(event.code)) return;
    const [vk] = keyOf(event);
    if (!vk) return;
    event.preventDefault();
    push(KEY_UP, 0, vk, 0, 0);
  });
  // The page losing the keyboard is the active window losing it; it gets it back with the page.
  window.addEventListener('blur', () => push(FOCUS_LOST, activeCanvas, 0, 0, 0));
  window.addEventListener('focus', () => { if (activeCanvas) push(FOCUS_GAINED, activeCanvas, 0, 0, 0); });

  // ---- fonts: measuring and drawing with the browser's text ----
  let fontCanvas = null;
  let fontInUse = '';  // the context's font as we set it (it reads back normalised)
  function fontContext(width, height) {
    if (!fontCanvas) fontCanvas = new OffscreenCanvas(1, 1);
    if (fontCanvas.width < width || fontCanvas.height < height) {
      fontCanvas.width = Math.max(fontCanvas.width, width);
      fontCanvas.height = Math.max(fontCanvas.height, height);
      fontInUse = '';  // a resized canvas forgets its context's font
    }
    const context = fontCanvas.getContext('2d', {willReadFrequently: true});
    return context;
  }
  function withFont(css) {
    const context = fontContext(1, 1);
    if (fontInUse !== css) { context.font = css; fontInUse = css; }
    return context;
  }

  // ---- ZORVA.SCR in the page's storage ----
  let savedStamp = null;  // [size, time] of the file as last kept
  function scriptStamp() {
    try {
      const s = FS.stat(SCRIPT_FILE);
      return s.size + ':' + s.mtime.getTime();
    } catch (e) {
      return null;
    }
  }
  function bytesToText(bytes) {
    let text = '';
    for (let i = 0; i < bytes.length; i += 8192) text += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
    return text;
  }
  function textToBytes(text) {
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i) & 0xFF;
    return bytes;
  }
  function showStorageError(message) {
    status.storageError = message;
    element('zorva-storage').textContent = message;
  }
  function keepScript() {
    const stamp = scriptStamp();
    if (stamp === savedStamp) return;
    savedStamp = stamp;
    try {
      if (stamp === null) localStorage.removeItem(STORAGE_KEY);
      else localStorage.setItem(STORAGE_KEY, bytesToText(FS.readFile(SCRIPT_FILE)));
      if (status.storageError) showStorageError('');
    } catch (e) {
      showStorageError('ZORVA.SCR could not be kept in the page\'s storage (' + e.name +
                       '): download it before leaving the page.');
    }
  }
  function restoreScript() {
    let text = null;
    try {
      text = localStorage.getItem(STORAGE_KEY);
    } catch (e) {
      showStorageError('The page\'s storage cannot be read (' + e.name + '): ZORVA.SCR starts empty.');
    }
    if (text !== null) FS.writeFile(SCRIPT_FILE, textToBytes(text));
    savedStamp = scriptStamp();
  }
  function download(name, bytes, type) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], {type}));
    link.download = name;
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  }
  function downloadScript() {
    let bytes;
    try {
      bytes = FS.readFile(SCRIPT_FILE);
    } catch (e) {
      element('zorva-storage').textContent = 'There is no recording yet: Ctrl+R starts one.';
      return;
    }
    download('ZORVA.SCR', bytes, 'text/plain');
  }
  // A loaded file takes ZORVA.SCR's place as a new file: a recording going on notices that
  // its file was replaced, and a playback going on finishes the file it was reading.
  async function loadScript(file) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    try { FS.unlink(SCRIPT_FILE); } catch (e) { /* there was none */ }
    FS.writeFile(SCRIPT_FILE, bytes);
    keepScript();
    element('zorva-storage').textContent = 'Loaded ' + file.name + ' (' + bytes.length + ' bytes) as ZORVA.SCR: Ctrl+P plays it.';
    status.loads = (status.loads || 0) + 1;
  }

  // ---- the program's end, and the watchdog for a program that never waits ----
  // The warning fades in on the compositor, which keeps running while the program holds the
  // page's thread; a timer on that thread restarts it every WATCHDOG_RESTART_MS for as long as
  // it gets to run, so it shows WATCHDOG_MS to WATCHDOG_MS + WATCHDOG_RESTART_MS after the
  // thread was last free. Each restart costs the compositor a frame: seldom is cheap.
  const WATCHDOG_RESTART_MS = 2000;
  let watchdog = null;
  function startWatchdog() {
    const warning = element('zorva-watchdog');
    watchdog = warning.animate([{opacity: 0}, {opacity: 1}],
                               {delay: WATCHDOG_MS + WATCHDOG_RESTART_MS, duration: 1, fill: 'forwards'});
    status.watchdogTimer = setInterval(() => { if (watchdog) watchdog.currentTime = 0; }, WATCHDOG_RESTART_MS);
  }
  // For measuring what the watchdog costs: stopped and started again while the program waits.
  status.stopWatchdog = () => stopWatchdog();
  status.startWatchdog = () => { if (!watchdog && status.state === 'running') startWatchdog(); };
  function stopWatchdog() {
    clearInterval(status.watchdogTimer);
    if (watchdog) watchdog.cancel();
    watchdog = null;
  }
  function ended(state, message) {
    if (status.state !== 'running' && status.state !== 'loading') return;
    status.state = state;
    stopWatchdog();
    keepScript();
    queue.length = 0;
    status.queued = 0;
    element('zorva-state').textContent = message;
    element('zorva-ended').hidden = false;
    element('zorva-run-again').focus();
  }

  Module.zorvaPage = {
    openCanvas(id, x, y, width, height, title, owned, frame, captioned) {
      openCanvas(id, x, y, width, height, title, owned, frame, captioned);
    },
    closeCanvas(id) { closeCanvas(id); },
    setTitle(id, title) {
      const entry = canvases.get(id);
      if (!entry) return;
      entry.canvas.setAttribute('aria-label', title);
      if (entry.frame.caption) entry.frame.caption.textContent = title;
      if (!entry.owned) document.title = title;
    },
    present(id, rgba, width, height) {
      const entry = canvases.get(id);
      if (!entry) return;
      if (entry.canvas.width !== width) entry.canvas.width = width;
      if (entry.canvas.height !== height) entry.canvas.height = height;
      entry.context.putImageData(new ImageData(new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length), width, height), 0, 0);
      if (status.firstFrameMs === null) status.firstFrameMs = performance.now();
      status.presents++;
    },
    takeInput(heap, index, capacity) {
      const count = Math.min(capacity, queue.length);
      for (let i = 0; i < count; ++i) heap.set(queue[i], index + 5 * i);
      queue.splice(0, count);
      status.queued = queue.length;
      return count;
    },
    async wait(timeoutMs) {
      keepScript();
      status.waits++;
      if (queue.length > 0) return;
      status.waiting = true;
      await new Promise((resolve) => {
        wake = resolve;
        if (timeoutMs >= 0) setTimeout(() => { if (wake === resolve) { wake = null; resolve(); } }, timeoutMs);
      });
      status.waiting = false;
    },
    programEnded(exitStatus) {
      status.exitStatus = exitStatus;
      ended('ended', 'The program ended' + (exitStatus ? ' with status ' + exitStatus : '') + '.');
    },
    measureFont(css, box, advances) {
      const context = withFont(css);
      const m = context.measureText('x');
      box[0] = m.fontBoundingBoxAscent;
      box[1] = m.fontBoundingBoxDescent;
      if (!advances) return;
      for (let c = 32; c < 127; ++c) advances[c] = context.measureText(String.fromCharCode(c)).width;
      for (let c = 160; c < 256; ++c) advances[c] = context.measureText(String.fromCharCode(c)).width;
    },
    measureChar(css, code) { return withFont(css).measureText(String.fromCharCode(code)).width; },
    measurePairs(css, pairs, kerning) {
      const context = withFont(css);
      const width = (text) => context.measureText(text).width;
      for (let i = 0; i < pairs.length; ++i) {
        const first = String.fromCharCode(pairs[i] >> 8), second = String.fromCharCode(pairs[i] & 0xFF);
        kerning[i] = width(first + second) - width(first) - width(second);
      }
    },
    drawGlyphs(css, codes, slotWidth, slotHeight, penX, baseline, mask) {
      const width = slotWidth * codes.length;
      fontContext(width, slotHeight);
      const context = withFont(css);
      context.clearRect(0, 0, width, slotHeight);
      context.fillStyle = '#fff';
      context.textBaseline = 'alphabetic';
      for (let i = 0; i < codes.length; ++i) context.fillText(String.fromCharCode(codes[i]), i * slotWidth + penX, baseline);
      const pixels = context.getImageData(0, 0, width, slotHeight).data;
      for (let i = 0; i < width * slotHeight; ++i) mask[i] = pixels[4 * i + 3];
    },
    fileSaved(name, bytes, type) { download(name.replace(/^.*\//, ''), bytes, type); },
  };

  // The wasm is in the page as base64 (-sSINGLE_FILE): decoded and compiled right away, while
  // the page is still being read, without the runtime's detour of fetching it as a data: URL.
  // The browser's own base64 decoder, where it has one, is several times faster than the
  // runtime's loop over atob's string.
  function wasmBytes() {
    if (typeof Uint8Array.fromBase64 !== 'function') return tryParseAsDataURI(wasmBinaryFile);
    return Uint8Array.fromBase64(wasmBinaryFile.slice(wasmBinaryFile.indexOf(',') + 1));
  }
  Module.instantiateWasm = (imports, receive) => {
    WebAssembly.instantiate(wasmBytes(), imports).then(
        (result) => receive(result.instance, result.module),
        (error) => ended('failed', 'The program could not be started: ' + error));
    return {};
  };
  Module.preRun = Module.preRun || [];
  Module.preRun.push(restoreScript);
  // The program starts once the page has drawn a frame with the watchdog's animation in it:
  // only an animation the compositor already has keeps running while the program holds the
  // thread. The animation starts with the page, so that frame has mostly been drawn by the
  // time the runtime is ready.
  Module.noInitialRun = true;
  let waitingFor = 2;  // the frame and the runtime
  function startWhenReady() {
    if (--waitingFor > 0) return;
    status.mainStartMs = performance.now();
    callMain([]);
  }
  startWatchdog();
  requestAnimationFrame(() => setTimeout(startWhenReady, 0));
  Module.onRuntimeInitialized = () => {
    status.runtimeReadyMs = performance.now();
    status.state = 'running';
    startWhenReady();
  };

  Module.onAbort = (what) => ended('failed', 'The program stopped with an error: ' + what);
  // A program that calls exit() itself ends through the runtime's quit. The runtime also
  // quits (without ending anything) when main first gives the page its thread back, suspended
  // in a wait: only a quit with no program suspended is the program's end.
  Module.quit = (code, toThrow) => {
    if (!Asyncify.currData) Module.zorvaPage.programEnded(code);
    throw toThrow;
  };
  // Ending that way unwinds the program through the promise that resumed it; that is no error.
  window.addEventListener('unhandledrejection', (event) => {
    if (event.reason instanceof ExitStatus) event.preventDefault();
  });
  window.addEventListener('pagehide', keepScript);

  function whenReady(start) {
    if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
    else start();
  }
  whenReady(() => {
    const input = element('zorva-load-input');
    element('zorva-download').addEventListener('click', (event) => { event.target.blur(); downloadScript(); });
    element('zorva-load').addEventListener('click', (event) => { event.target.blur(); input.click(); });
    input.addEventListener('change', () => {
      if (input.files.length) loadScript(input.files[0]);
      input.value = '';
      input.blur();  // keys go to the program again
    });
    element('zorva-run-again').addEventListener('click', () => location.reload());
  });
})();
