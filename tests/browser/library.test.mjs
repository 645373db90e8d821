#!/usr/bin/env node
// Opens every library page of a build folder (the start page and 123_files/*.htm)
// in headless Chromium at the size of the program's browser and checks that
// none is wider than it, and that each olympiad problem keeps its solution
// behind its 看答案 button until the button is pressed, by mouse or by key.
//
//   node tests/browser/library.test.mjs <build folder>     (or TALLOWBY_BUILD_DIR)
import { existsSync, readdirSync } from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

// The browser of page 10 at the window's own size, less its scroll bar. The
// window zooms the pages with the form, so this width in CSS pixels holds at any size.
const VIEWER = { width: 730, height: 433 };
const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';

const buildDir = path.resolve(process.argv[2] || process.env.TALLOWBY_BUILD_DIR || '');
if (!existsSync(path.join(buildDir, '123.htm')) || !existsSync(path.join(buildDir, '123_files'))) {
  console.error(`library.test.mjs: ${buildDir} has no 123.htm and 123_files; build the library_pages target first`);
  process.exit(2);
}

let chromium;
try {
  ({ chromium } = await import('playwright-core'));
} catch {
  console.error('library.test.mjs: playwright-core is missing; run `npm ci` in tests/browser (make test does it)');
  process.exit(2);
}

function check(condition, message) {
  if (!condition) throw new Error(message);
}

// Whether the page scrolls sideways, and what sticks out.
async function checkFits(page) {
  const fit = await page.evaluate(() => {
    const root = document.documentElement;
    const outside = [...document.body.querySelectorAll('*')]
      .filter(element => element.getBoundingClientRect().right > root.clientWidth + 0.5)
      .slice(0, 3)
      .map(element => `<${element.localName}${element.className ? '.' + element.className : ''}>`);
    return { scrollWidth: root.scrollWidth, width: root.clientWidth, outside };
  });
  check(fit.scrollWidth <= fit.width, `${fit.scrollWidth}px wide in a ${fit.width}px browser: ${fit.outside.join(' ')}`);
}

// Each problem's solution is hidden until its button is pressed: the first by a click, the others by the keyboard.
async function checkAnswersWait(page) {
  const problems = await page.locator('section.problem').count();
  check(problems > 0, 'an olympiad paper without problems');
  for (let i = 0; i < problems; i++) {
    const problem = page.locator('section.problem').nth(i);
    const button = problem.locator('details.reveal > summary');
    check(await button.count() === 1, `problem ${i + 1} has no 看答案 button`);
    check((await button.innerText()).trim() === '看答案', `problem ${i + 1}'s button says “${await button.innerText()}”`);
    const solution = problem.locator('.solution');
    check(!(await solution.isVisible()), `problem ${i + 1} shows its solution before 看答案 is pressed`);
    check(!(await problem.locator('.answer').isVisible()), `problem ${i + 1} shows its answer before 看答案 is pressed`);
    if (i === 0) {
      await button.click();
    } else {
      await button.focus();
      await page.keyboard.press('Enter');
    }
    check(await solution.isVisible(), `problem ${i + 1}'s solution stays hidden after 看答案`);
  }
  await checkFits(page); // the solutions shown fit too
}

const files = ['123.htm', ...readdirSync(path.join(buildDir, '123_files')).filter(file => file.endsWith('.htm')).sort()
  .map(file => path.join('123_files', file))];
const browser = await chromium.launch({ executablePath: CHROMIUM, args: ['--no-sandbox', '--disable-gpu', '--headless=new'] });
let passed = 0;
let failed = 0;
try {
  const page = await browser.newPage({ viewport: VIEWER });
  for (const file of files) {
    try {
      await page.goto(pathToFileURL(path.join(buildDir, file)).href);
      await checkFits(page);
      if (await page.locator('body.olympiad').count())
        await checkAnswersWait(page);
      passed++;
    } catch (error) {
      console.log(`not ok - ${file}: ${error.message.split('\n')[0]}`);
      failed++;
    }
  }
} finally {
  await browser.close();
}
console.log(`${passed} of ${files.length} library pages fit ${VIEWER.width}px and keep their answers for 看答案; ${failed} failed`);
process.exit(failed ? 1 : 0);
