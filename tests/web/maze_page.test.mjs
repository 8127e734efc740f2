// The maze's web page in a real browser (Debian's Chromium, headless, driven
// by playwright-core): the page is served from VANTLE_PAGE_DIR on 127.0.0.1,
// the screen of cells read through window.vantleScreen(), the keys pressed
// as a player would. The screenshot of level 1 goes to VANTLE_TEST_OUT.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { statSync, mkdirSync } from 'node:fs';
import path from 'node:path';
import { serve } from './serve.mjs';

const pageDir = process.env.VANTLE_PAGE_DIR;
const outDir = process.env.VANTLE_TEST_OUT;
const { chromium } = createRequire(path.join(process.env.VANTLE_BROWSER_TOOLS, 'package.json'))(
  'playwright-core');

const CHROMIUM_FLAGS = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const PAGE_FILES = ['index.html', 'maze.js', 'maze.wasm', 'maze.data'];
const MAX_PAGE_BYTES = 3 * 1024 * 1024;

let server, browser, page;
const consoleLines = [];

before(async () => {
  server = await serve(pageDir);
  // Playwright gives the browser a new, empty profile of its own.
  browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: CHROMIUM_FLAGS });
  const context = await browser.newContext({ viewport: { width: 1024, height: 768 } });
  page = await context.newPage();
  page.on('console', (message) => consoleLines.push(message.text()));
});

after(async () => {
  await browser?.close();
  await server?.close();
});

const screen = () => page.evaluate(() => window.vantleScreen());

// Polls the screen until check holds for it; fails with the screen if not.
async function waitFor(check, what, milliseconds = 15000) {
  const end = Date.now() + milliseconds;
  let text = '';
  while (Date.now() < end) {
    text = await screen();
    if (check(text)) return text;
    await page.waitForTimeout(20);
  }
  assert.fail(`${what} did not show; the screen was:\n${text}`);
}

// Single characters of the maze below the displays, apart from words.
function cellsOf(text, pattern) {
  const found = [];
  text.split('\n').forEach((row, y) => {
    if (y < 3) return;
    for (let x = 0; x < row.length; x++) {
      const alone = !/[A-Za-z]/.test(row[x - 1] || ' ') && !/[A-Za-z]/.test(row[x + 1] || ' ');
      if (pattern.test(row[x]) && alone) found.push({ x, y });
    }
  });
  return found;
}
const heroOf = (text) => cellsOf(text, /[@O]/)[0];
const keysOf = (text) => cellsOf(text, /[kK*]/);
function doorOf(text) {
  const rows = text.split('\n');
  const y = rows.findIndex((row) => row.includes('[===]'));
  return { x: rows[y].indexOf('[===]') + 2, y };
}

async function hold(key, until, what) {
  await page.keyboard.down(key);
  try {
    return await waitFor(until, what);
  } finally {
    await page.keyboard.up(key);
  }
}

// Walks across to each key and then up or down to it, then across to the
// door's middle and into it: enough for mazes with open ways, as these are.
async function playToDoor() {
  let text = await screen();
  while (keysOf(text).length > 0) {
    const left = keysOf(text).length;
    const key = keysOf(text)[0];
    const taken = (t) => keysOf(t).length < left;
    if (Math.abs(heroOf(text).x - key.x) > 1) {
      text = await hold(heroOf(text).x > key.x ? 'ArrowLeft' : 'ArrowRight',
        (t) => taken(t) || Math.abs(heroOf(t).x - key.x) <= 1, 'the hero beside a key');
    }
    if (!taken(text)) text = await hold(heroOf(text).y > key.y ? 'ArrowUp' : 'ArrowDown', taken, 'a key taken');
  }
  const door = doorOf(text);
  if (heroOf(text).x !== door.x) {
    text = await hold(heroOf(text).x > door.x ? 'ArrowLeft' : 'ArrowRight',
      (t) => heroOf(t).x === door.x, 'the hero above the door');
  }
  return hold(heroOf(text).y > door.y ? 'ArrowUp' : 'ArrowDown',
    (t) => /Level 1 complete in \d+ s/.test(t), '"Level 1 complete"');
}

// Opens the page and skips the splash with a key, as a player may.
async function openLevel1(query = '') {
  await page.goto(server.url + query);
  await waitFor((t) => t.trim() !== '', 'the first frame');
  await page.keyboard.press('Space');
  return waitFor((t) => t.includes('Time Remaining:'), 'level 1');
}

test('the page files are small', () => {
  const bytes = PAGE_FILES.reduce((sum, file) => sum + statSync(path.join(pageDir, file)).size, 0);
  console.log(`page files: ${(bytes / 1024 / 1024).toFixed(2)} MB`);
  assert.ok(bytes < MAX_PAGE_BYTES, `${bytes} bytes`);
});

test('level 1 shows its displays, logs to the console and is photographed', async () => {
  const text = await openLevel1();
  const firstFrame = await page.evaluate(() => Module.vantleFirstFrame);
  console.log(`first frame ${Math.round(firstFrame)} ms after the page began to load`);
  for (const shown of ['Level 1', 'Keys Remaining 1', 'Time Remaining:', 'Best --',
    'WASD/arrows to move, Q to quit'])
    assert.ok(text.includes(shown), `"${shown}" missing from:\n${text}`);
  assert.ok(consoleLines.some((line) => line.includes('** Vantle version 4.2 **')));
  mkdirSync(outDir, { recursive: true });
  await page.screenshot({ path: path.join(outDir, 'web-maze.png') });
});

test('arrow keys move the hero, and hiding the page pauses the game', async () => {
  const start = heroOf(await screen());
  await hold('ArrowUp', (t) => heroOf(t).y < start.y, 'the hero moved up');
  await page.evaluate(() => {
    Object.defineProperty(document, 'hidden', { value: true, configurable: true });
    document.dispatchEvent(new Event('visibilitychange'));
    delete document.hidden;
  });
  await waitFor((t) => t.includes('Paused'), 'the pause');
  await page.keyboard.press('KeyP');
  await waitFor((t) => !t.includes('Paused'), 'the game resumed');
});

test('level 1 won, its best time is kept across a reload', async () => {
  const text = await playToDoor();
  const seconds = text.match(/Level 1 complete in (\d+) s/)[1];
  await page.waitForFunction(() => Module.vantleSynced >= 1);
  await page.reload();
  await page.waitForFunction(() => window.vantleScreen && window.vantleScreen().trim() !== '');
  await page.keyboard.press('Space');
  await waitFor((t) => t.includes(`Best ${seconds}s`), `"Best ${seconds}s"`);
});

test('?maze=first-steps is played to its door', async () => {
  const text = await openLevel1('?maze=first-steps');
  assert.ok(!text.includes('Best'), 'a maze of ones own keeps no best time');
  await playToDoor();
});
