#!/usr/bin/env node
// Plays every HTML5 game page of a build folder in headless Chromium through
// its real controls, and checks the games' index.
//
//   node tests/browser/games.test.mjs <build folder>     (or TALLOWBY_BUILD_DIR)
//
// Every *.html beside the program is a game except the index. A game is played
// through the engine's controls for its answer kind (see PLAYERS); a page that
// does not run the engine, or asks for a kind this script cannot play, fails.
import { existsSync, mkdirSync, readdirSync, readFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const INDEX_PAGE = '显示全部内容.html';
const SEED = 42;
const SMALL = { width: 745, height: 433 };
const LARGE = { width: 1280, height: 800 };
const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';
const SOURCE_DIR = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');

const buildDir = path.resolve(process.argv[2] || process.env.TALLOWBY_BUILD_DIR || '');
if (!process.argv[2] && !process.env.TALLOWBY_BUILD_DIR) usage('no build folder given');
if (!existsSync(path.join(buildDir, 'game_files', 'engine.js'))) usage(`${buildDir} has no game_files/engine.js; build the game_pages target first`);

function usage(problem) {
  console.error(`games.test.mjs: ${problem}\nusage: node games.test.mjs <build folder>`);
  process.exit(2);
}

let chromium;
try {
  ({ chromium } = await import('playwright-core'));
} catch {
  console.error('games.test.mjs: playwright-core is missing; run `npm ci` in tests/browser (make test does it)');
  process.exit(2);
}

/* ---------- how to answer each kind through the page's controls ---------- */

const wrongTyped = value => (/^-?\d+(\.\d+)?$/.test(value) ? String(Number(value) + 1) : '错');

async function dragTo(page, source, target) {
  const from = await page.locator(source).boundingBox();
  const to = await page.locator(target).boundingBox();
  await page.mouse.move(from.x + from.width / 2, from.y + from.height / 2);
  await page.mouse.down();
  await page.mouse.move(to.x + to.width / 2, to.y + to.height / 2, { steps: 8 });
  await page.mouse.up();
}

// Each answer way takes the expected answer and answers right (or wrong).
const PLAYERS = {
  type: {
    async byKeyboard(page, expected, right) {
      for (const value of expected.values) {
        await page.keyboard.type(right ? value : wrongTyped(value));
        await page.keyboard.press('Enter');
      }
    },
    async byMouse(page, expected, right) {
      for (const [i, value] of expected.values.entries()) {
        await page.locator(`[data-field="${i}"]`).click();
        await page.keyboard.type(right ? value : wrongTyped(value));
      }
      await page.click('#tg-check');
    },
    shown: expected => expected.values
  },
  choice: {
    async byKeyboard(page, expected, right) {
      const count = await page.locator('[data-choice]').count();
      const target = right ? expected.index : (expected.index + 1) % count;
      for (let i = 0; i < target; i++) await page.keyboard.press('ArrowRight');
      await page.keyboard.press('Enter');
    },
    async byMouse(page, expected, right) {
      const count = await page.locator('[data-choice]').count();
      await page.click(`[data-choice="${right ? expected.index : (expected.index + 1) % count}"]`);
    },
    shown: expected => [expected.label]
  },
  order: {
    // Drag every number into its slot, then Enter.
    async byKeyboard(page, expected, right) {
      const order = right ? expected.items : swapFirstTwo(expected.items);
      for (const [slot, item] of order.entries()) await dragTo(page, `[data-item="${item}"]`, `[data-slot="${slot}"]`);
      await page.keyboard.press('Enter');
    },
    // Click the numbers in turn, then 确定.
    async byMouse(page, expected, right) {
      for (const item of right ? expected.items : swapFirstTwo(expected.items)) await page.click(`[data-item="${item}"]`);
      await page.click('#tg-check');
    },
    shown: expected => expected.labels
  }
};

function swapFirstTwo(list) {
  const copy = list.slice();
  [copy[0], copy[1]] = [copy[1], copy[0]];
  return copy;
}

/* ---------- page helpers ---------- */

const state = page => page.evaluate(() => window.tallowbyGame.state);
const expectedAnswer = page => page.evaluate(() => window.tallowbyGame.expected());

function check(condition, message) {
  if (!condition) throw new Error(message);
}

async function openPage(browser, file, viewport) {
  const page = await browser.newPage({ viewport });
  const problems = [];
  page.on('console', message => { if (message.type() === 'error') problems.push(`console error: ${message.text()}`); });
  page.on('pageerror', error => problems.push(`uncaught exception: ${error.message}`));
  page.on('request', request => { if (!request.url().startsWith('file://')) problems.push(`request outside file://: ${request.url()}`); });
  const url = pathToFileURL(path.join(buildDir, file));
  url.search = `seed=${SEED}`;
  await page.goto(url.href);
  return { page, problems };
}

// The page must fit the window: no scrollbars, the stage inside the window.
async function checkFits(page, viewport, where) {
  await page.setViewportSize(viewport);
  await page.waitForFunction(size => innerWidth === size.width && innerHeight === size.height, viewport);
  await page.evaluate(() => new Promise(done => requestAnimationFrame(() => requestAnimationFrame(done))));
  const fit = await page.evaluate(() => {
    const stage = document.getElementById('tg-stage').getBoundingClientRect();
    return {
      scrollWidth: document.documentElement.scrollWidth, scrollHeight: document.documentElement.scrollHeight,
      width: innerWidth, height: innerHeight,
      stage: { left: stage.left, top: stage.top, right: stage.right, bottom: stage.bottom }
    };
  });
  const label = `${where} at ${viewport.width}x${viewport.height}`;
  check(fit.scrollWidth <= fit.width && fit.scrollHeight <= fit.height,
    `${label}: page scrolls (${fit.scrollWidth}x${fit.scrollHeight})`);
  check(fit.stage.left >= -1 && fit.stage.top >= -1 && fit.stage.right <= fit.width + 1 && fit.stage.bottom <= fit.height + 1,
    `${label}: the stage sticks out of the window`);
  check(fit.stage.right - fit.stage.left >= fit.width - 2 || fit.stage.bottom - fit.stage.top >= fit.height - 2,
    `${label}: the stage does not grow to the window`);
}

// The question must fit its area, and nothing may show the answer yet.
async function checkQuestionShown(page) {
  const shown = await page.evaluate(() => {
    const play = document.getElementById('tg-play');
    return { overflow: play.scrollHeight - play.clientHeight, feedback: !document.getElementById('tg-feedback').hidden };
  });
  const s = await state(page);
  check(!shown.feedback, `question ${s.answered + 1}: feedback is showing before an answer`);
  check(shown.overflow <= 1, `question ${s.answered + 1} (round ${s.round}) is ${shown.overflow}px too tall for the play area`);
  check(PLAYERS[s.kind], `question ${s.answered + 1} asks for input kind "${s.kind}", which this test cannot play`);
}

async function answer(page, right, way) {
  await checkQuestionShown(page);
  const expected = await expectedAnswer(page);
  await PLAYERS[expected.kind][way](page, expected, right);
  await page.waitForFunction(() => window.tallowbyGame.state.phase !== 'question');
  return expected;
}

async function feedback(page) {
  const box = page.locator('#tg-feedback');
  return { visible: await box.isVisible(), className: await box.getAttribute('class'), text: await box.innerText() };
}

async function goNext(page, way) {
  const before = (await state(page)).answered;
  if (way === 'byKeyboard') await page.keyboard.press('Enter');
  else await page.click('#tg-next');
  await page.waitForFunction(n => {
    const s = window.tallowbyGame.state;
    return s.phase === 'result' || (s.phase === 'question' && s.answered === n);
  }, before);
}

/* ---------- the checks of one game ---------- */

const GAME_STEPS = [
  ['runs the games engine', async game => {
    const hook = await game.page.evaluate(() => typeof window.tallowbyGame === 'object' && window.tallowbyGame !== null);
    check(hook, 'the page does not run game_files/engine.js (no window.tallowbyGame), so the test cannot play it');
    const title = await game.page.title();
    check(title === game.title, `the game calls itself "${title}", its file is "${game.title}.html"`);
    const s = await state(game.page);
    check(s.phase === 'start' && s.rounds >= 2, `expected a start screen and at least 2 rounds, got ${JSON.stringify(s)}`);
  }],
  ['fits 745x433 and 1280x800 without scrolling', async game => {
    await checkFits(game.page, LARGE, 'start screen');
    await checkFits(game.page, SMALL, 'start screen');
    await game.page.click('#tg-start');
    await checkFits(game.page, LARGE, 'first question');
    await checkFits(game.page, SMALL, 'first question');
  }],
  ['an incomplete answer is not judged', async game => {
    const { kind } = await state(game.page);
    const button = game.page.locator('#tg-check');
    if (kind === 'type') {
      await button.click();
      check(await game.page.locator('#tg-nudge').innerText(), 'an empty answer gets no hint');
    } else if (kind === 'order') {
      check(await button.isDisabled(), '确定 can be pressed before every number is placed');
    }
    const after = await state(game.page);
    check(after.phase === 'question' && after.answered === 0, 'an incomplete answer was judged');
  }],
  ['a right answer scores and cheers', async game => {
    game.firstQuestion = await game.page.locator('#tg-question').innerText();
    await answer(game.page, true, 'byKeyboard');
    const s = await state(game.page);
    const f = await feedback(game.page);
    check(s.lastCorrect === true && s.correct === 1 && s.score > 0, `after a right answer: ${JSON.stringify(s)}`);
    check(f.visible && /tg-good/.test(f.className), `after a right answer the feedback is "${f.className}"`);
    check((await game.page.locator('#tg-score b').innerText()) === String(s.score), 'the shown score is not the score');
    game.score = s.score;
  }],
  ['a wrong answer keeps the score and shows the right one', async game => {
    await goNext(game.page, 'byMouse');
    const expected = await answer(game.page, false, 'byMouse');
    const s = await state(game.page);
    const f = await feedback(game.page);
    check(s.lastCorrect === false && s.correct === 1 && s.score === game.score, `after a wrong answer: ${JSON.stringify(s)}`);
    check(f.visible && /tg-bad/.test(f.className), `after a wrong answer the feedback is "${f.className}"`);
    let from = 0;
    for (const part of PLAYERS[expected.kind].shown(expected)) {
      const at = f.text.indexOf(part, from);
      check(at >= 0, `the feedback "${f.text}" does not show the right answer ${JSON.stringify(expected)}`);
      from = at + part.length;
    }
  }],
  ['plays to the result screen', async game => {
    const { page } = game;
    await goNext(page, 'byKeyboard');
    let turn = 0;
    for (let s = await state(page); s.phase === 'question'; s = await state(page), turn++) {
      const way = turn % 2 ? 'byMouse' : 'byKeyboard';
      if (s.round === s.rounds && !game.shot) {
        await checkFits(page, SMALL, `round ${s.round}`);
        mkdirSync(game.shotDir, { recursive: true });
        await page.screenshot({ path: path.join(game.shotDir, `${game.title}.png`), animations: 'disabled' });
        game.shot = true;
      }
      await answer(page, true, way);
      check((await state(page)).lastCorrect === true, `question ${s.answered + 1} answered right was judged wrong`);
      await goNext(page, way);
    }
    const s = await state(page);
    check(s.finished && s.phase === 'result' && s.correct === s.total - 1, `at the end: ${JSON.stringify(s)}`);
    check(await page.locator('#tg-result').isVisible(), 'the result screen is not shown');
    const line = await page.locator('.tg-result-line').innerText();
    check(line.includes(`答对 ${s.correct} 题`) && line.includes(String(s.score)), `the result says "${line}"`);
    const stars = await page.locator('.tg-result-stars .tg-star-on').count();
    check(stars === s.stars && stars >= 1, `${stars} stars shown for ${s.correct} of ${s.total}`);
    await checkFits(page, SMALL, 'result screen');
  }],
  ['再玩一次 starts over', async game => {
    await game.page.getByRole('button', { name: '再玩一次' }).click();
    const s = await state(game.page);
    check(s.phase === 'question' && s.answered === 0 && s.score === 0 && s.round === 1 && !s.finished,
      `after 再玩一次: ${JSON.stringify(s)}`);
    check((await game.page.locator('#tg-score b').innerText()) === '0', 'the shown score was not reset');
  }],
  ['the same seed gives the same questions', async game => {
    const again = await openPage(game.browser, game.file, SMALL);
    await again.page.click('#tg-start');
    const first = await again.page.locator('#tg-question').innerText();
    game.problems.push(...again.problems);
    await again.page.close();
    check(first === game.firstQuestion, `seed ${SEED} gave "${game.firstQuestion}" and then "${first}"`);
  }],
  ['no console error, exception or outside request', async game => {
    check(game.problems.length === 0, game.problems.join('; '));
  }]
];

/* ---------- the index ---------- */

// The games of the 数学游戏 tab and their grades, from the program's leaf list.
function gamesOfTheTab() {
  const lines = readFileSync(path.join(SOURCE_DIR, 'content', 'leaves.txt'), 'utf8').split('\n');
  const start = lines.findIndex(line => line.startsWith('# ---- 数学游戏'));
  check(start >= 0, 'content/leaves.txt has no 数学游戏 section');
  const games = [];
  let grade = null;
  for (const line of lines.slice(start + 1)) {
    if (line.startsWith('# ----')) break;
    const heading = /^\[适合(.+)的游戏\]$/.exec(line.trim());
    if (heading) grade = heading[1];
    else if (line.trim() && !line.startsWith('#')) games.push({ title: line.trim(), grade });
  }
  return games;
}

const INDEX_STEPS = [
  ['fits 745x433 and 1280x800 without scrolling', async index => {
    await checkFits(index.page, LARGE, 'index');
    await checkFits(index.page, SMALL, 'index');
    mkdirSync(index.shotDir, { recursive: true });
    await index.page.screenshot({ path: path.join(index.shotDir, '显示全部内容.png') });
  }],
  ['lists every game of the tab under its grade', async index => {
    const cards = await index.page.$$eval('.tg-game', nodes => nodes.map(node => ({
      title: node.querySelector('b').textContent.trim(),
      grade: node.closest('.tg-grade').querySelector('h2').textContent.trim(),
      description: node.querySelector('span') ? node.querySelector('span').textContent.trim() : ''
    })));
    const tab = gamesOfTheTab();
    check(tab.length >= 16, `found only ${tab.length} games in content/leaves.txt`);
    for (const game of tab) {
      const card = cards.find(c => c.title === game.title);
      check(card, `${game.title} is missing from the index`);
      check(card.grade === game.grade, `${game.title} is under ${card.grade}, the tab has it under ${game.grade}`);
      check(card.description, `${game.title} has no description`);
    }
  }],
  ['every link opens an existing page of that title', async index => {
    const links = await index.page.$$eval('a[href]', nodes => nodes.map(a => ({ href: a.href, title: a.querySelector('b').textContent.trim() })));
    for (const link of links) {
      check(link.href.startsWith('file://'), `${link.title} links outside the folder: ${link.href}`);
      const target = fileURLToPath(link.href);
      check(existsSync(target), `${link.title} links to the missing ${target}`);
      check(path.basename(target) === `${link.title}.html`, `${link.title} links to ${path.basename(target)}`);
    }
    index.linked = new Set(links.map(link => path.basename(fileURLToPath(link.href))));
  }],
  ['links every game page of the folder', async index => {
    const unlinked = index.pages.filter(file => !index.linked.has(file));
    check(unlinked.length === 0, `not linked from the index: ${unlinked.join(', ')} (turn its tg-soon card into a link)`);
  }],
  ['no console error, exception or outside request', async index => {
    check(index.problems.length === 0, index.problems.join('; '));
  }]
];

/* ---------- run ---------- */

async function runSteps(name, steps, context) {
  let passed = 0;
  let failed = 0;
  for (const [label, step] of steps) {
    try {
      await step(context);
      console.log(`ok - ${name}: ${label}`);
      passed++;
    } catch (error) {
      console.log(`not ok - ${name}: ${label}\n    ${error.message.split('\n')[0]}`);
      failed++;
      break; // later steps build on this one
    }
  }
  return { passed, failed };
}

const pages = readdirSync(buildDir).filter(file => file.endsWith('.html')).sort();
const shotDir = path.join(buildDir, 'screenshots', 'games');
const browser = await chromium.launch({
  executablePath: CHROMIUM,
  args: ['--no-sandbox', '--disable-gpu', '--headless=new', '--disable-dev-shm-usage']
});
const totals = { passed: 0, failed: 0 };
function add(result) { totals.passed += result.passed; totals.failed += result.failed; }

try {
  if (!pages.includes(INDEX_PAGE)) {
    console.log(`not ok - ${INDEX_PAGE} is missing from ${buildDir}`);
    totals.failed++;
  } else {
    const index = await openPage(browser, INDEX_PAGE, SMALL);
    add(await runSteps('index', INDEX_STEPS, { ...index, shotDir, pages: pages.filter(file => file !== INDEX_PAGE) }));
    await index.page.close();
  }
  for (const file of pages.filter(f => f !== INDEX_PAGE)) {
    const game = { ...(await openPage(browser, file, SMALL)), browser, file, shotDir, title: file.replace(/\.html$/, '') };
    add(await runSteps(game.title, GAME_STEPS, game));
    await game.page.close();
  }
} finally {
  await browser.close();
}
console.log(`${totals.passed} passed, ${totals.failed} failed`);
process.exit(totals.failed ? 1 : 0);
