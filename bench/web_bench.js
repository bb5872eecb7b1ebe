// Gavrento's page against a bare page with the same controls in plain HTML, in Debian's
// Chromium, headless, on this machine (make bench-web), both served as the tests serve them,
// as `make web-run` and a host do (packaging/web/serve.py: Debian's nginx, gzip on). Prints:
//   a first visit as the server sent it: every request, the service worker's included, and
//   its bytes as sent (headers and compressed bodies), counted in nginx's log;
//   navigation to "accepting" (the window placed, Uscita focused, presses taken) and to
//   "ready" (the program started, answering a press), each against the bare page's in the
//   same round (RUNS rounds, each page first in turn, so that a busy moment of the machine
//   falls on both alike; medians);
//   a click on Calcola until both boxes are written, in the page (median of CLICKS).
// Playwright is the tests' own, from tests/web/node_modules. GAVRENTO_SITE names the site,
// GAVRENTO_FACTS the facts the tests' fixtures read.
const fs = require("node:fs");
const {createRequire} = require("node:module");
const path = require("node:path");
const {chromium} = createRequire(path.join(__dirname, "../tests/web/"))("@playwright/test");
const config = require("../tests/web/playwright.config");
const {serveSite} = require("../tests/web/fixtures");

const kRuns = 31;
const kClicks = 300;
const site = process.env.GAVRENTO_SITE;
const median = (values) => [...values].sort((a, b) => a - b)[values.length >> 1];

// What the server sent for one first visit to URL, in a fresh browser profile: the page
// and, for Gavrento's, its service worker's install, done once the worker controls it.
async function firstVisit(browser, server, url, ours) {
  const before = server.requests().length;
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(url, {waitUntil: "networkidle"});  // the tab's icon is asked for late
  if (ours) await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await context.close();
  const sent = server.requests().slice(before);
  const bytes = sent.reduce((sum, [, sentBytes]) => sum + Number(sentBytes), 0);
  return `${(bytes / 1024).toFixed(1)} KiB in ${sent.length} requests`;
}

// Each moment is taken as it happens (in the page, from navigation start), never when the
// bench next looks. Accepting: the window's controls exist, are placed, Uscita has the focus
// and a press is taken: Gavrento's once its page has adopted the window written into
// index.html (data-state "accepting", set with Uscita focused); the bare page's when the
// browser gives Uscita the focus (its autofocus, once the document is parsed and laid out).
// Ready: a press is answered, Gavrento's once the program has started (data-state "ready"),
// the bare page's as it accepts (it has nothing to load). The faces are not waited for: the
// captions are drawn in a fallback face until they come.
function watchForReady() {
  const mark = () => {
    const focused = document.activeElement;
    if (focused?.tagName !== "BUTTON" || focused.textContent.trim() !== "Uscita") return;
    const ours = document.getElementById("program") !== null;
    if (!ours && document.readyState === "loading") return;
    const state = ours ? document.body.dataset.state : "ready";
    if (["accepting", "ready"].includes(state)) window.benchAcceptingAt ??= performance.now();
    if (state === "ready") window.benchReadyAt ??= performance.now();
  };
  addEventListener("focusin", mark, true);
  addEventListener("DOMContentLoaded", mark);
  new MutationObserver(mark).observe(document, {subtree: true, attributes: true,
                                                attributeFilter: ["data-state"]});
}

async function startTimes(browser, url) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.addInitScript(watchForReady);
  // A preload the page does not use, or a slow path the module falls back to, says so here.
  page.on("console", (message) => console.warn(`${url}: ${message.text()}`));
  await page.goto(url, {waitUntil: "commit"});
  await page.waitForFunction(() => window.benchReadyAt !== undefined, null, {polling: 10});
  const times = await page.evaluate(() => [window.benchAcceptingAt, window.benchReadyAt]);
  await context.close();
  return times;
}

// Calcola clicked COUNT times in the page, each until both boxes are written.
async function clickTimes(page, count) {
  return page.evaluate(async (count) => {
    const [height, woman, calcola] = ["TxtAltezza", "TxtGavrentoDonna", "CmdCalcola"].map(
        (name) => document.querySelector(`[data-name=${name}]`));
    const spans = [];
    for (let i = 0; i < count; ++i) {
      height.value = i % 2 ? "180" : "181";
      woman.value = "";
      const start = performance.now();
      calcola.click();
      while (woman.value === "") await null;  // the handler runs in a microtask
      spans.push(performance.now() - start);
    }
    return spans;
  }, count);
}

async function main() {
  fs.copyFileSync(path.join(__dirname, "web_bare.html"), path.join(site, "bench-bare.html"));
  const server = await serveSite(site);
  const bare = `${server.url}bench-bare.html`;
  const browser = await chromium.launch(config.use.launchOptions);
  try {
    const visits = [await firstVisit(browser, server, server.url, true),
                    await firstVisit(browser, server, bare, false)];
    const rounds = [];
    for (let i = 0; i < kRuns; ++i) {
      const urls = i % 2 ? [bare, server.url] : [server.url, bare];
      const [first, second] = [await startTimes(browser, urls[0]), await startTimes(browser, urls[1])];
      rounds.push(i % 2 ? [second, first] : [first, second]);
    }
    const context = await browser.newContext({locale: "it-IT"});
    const window = await context.newPage();
    await window.goto(server.url);
    await window.locator("body[data-state=ready]").waitFor();
    const clicks = await clickTimes(window, kClicks);
    await context.close();

    const to = (moment) => {
      const ms = median(rounds.map(([ours]) => ours[moment]));
      const ratio = median(rounds.map(([ours, theirs]) => ours[moment] / theirs[1]));
      return `${ms.toFixed(0)} ms   bare page ${median(rounds.map(([, theirs]) => theirs[1])).toFixed(0)} ms` +
             `   ${ratio.toFixed(2)} x (medians of ${kRuns} rounds)`;
    };
    console.log("Gavrento in the browser (headless Chromium, served by nginx, this machine)");
    console.log(`  first visit, as sent    ${visits[0]}   bare page ${visits[1]}`);
    console.log(`  navigation to accepting ${to(0)}`);
    console.log(`  navigation to ready     ${to(1)}`);
    console.log(`  Calcola to written      ${(median(clicks) * 1000).toFixed(0)} us (median of ` +
                `${kClicks}; Chromium rounds performance.now() to 5-100 us)`);
    console.log("  Qt, for comparison      about 170 us press and release, 3-15 us the handler " +
                "(docs/benchmarks.md)");
  } finally {
    await browser.close();
    fs.rmSync(path.join(site, "bench-bare.html"));
    await server.stop();
  }
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
