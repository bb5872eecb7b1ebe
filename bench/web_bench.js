// Gavrento's page against a bare page with the same controls in plain HTML, in Debian's
// Chromium, headless, on this machine (make bench-web), both served as the tests serve them,
// as `make web-run` and a host do (packaging/web/serve.py: Debian's nginx, gzip on). Prints:
//   a first visit as the server sent it: every request, the service worker's included, and
//   its bytes as sent (headers and compressed bodies), counted in nginx's log;
//   navigation to "accepting" (the window placed, Uscita focused, presses taken) and to
//   "ready" (the program started, answering a press), each beside the bare page (median of
//   RUNS fresh visits, alternating);
//   a click on Calcola until both boxes are written, in the page (median of CLICKS).
// Playwright is the tests' own, from tests/web/node_modules. GAVRENTO_SITE names the site,
// GAVRENTO_FACTS the facts the tests' fixtures read.
const fs = require("node:fs");
const {createRequire} = require("node:module");
const path = require("node:path");
const {chromium} = createRequire(path.join(__dirname, "../tests/web/"))("@playwright/test");
const config = require("../tests/web/playwright.config");
const {serveSite} = require("../tests/web/fixtures");

const kRuns = 21;
const kClicks = 300;
const site = process.env.GAVRENTO_SITE;
const bare = path.join(__dirname, "web_bare.html");

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

// What the server sent for one first visit to URL, in a fresh browser profile: the page
// and, for Gavrento's, its service worker's install, done once the worker controls it.
async function firstVisit(browser, server, url, ours) {
  const before = server.requests().length;
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(url, {waitUntil: "networkidle"});  // the tab's icon is asked for late
  if (ours) {
    await page.locator("body[data-state=ready]").waitFor();
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  }
  await context.close();
  const sent = server.requests().slice(before);
  return {bytes: sent.reduce((sum, [, bytes]) => sum + Number(bytes), 0), requests: sent.length};
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
  const isUscita = (element) => element && element.tagName === "BUTTON" &&
                                element.textContent.trim() === "Uscita";
  const mark = () => {
    const ours = document.getElementById("program") !== null;
    if ((!ours && document.readyState === "loading") || !isUscita(document.activeElement)) return;
    const state = ours ? document.body.dataset.state : "ready";
    if (!window.benchAcceptingAt && ["accepting", "ready"].includes(state)) {
      window.benchAcceptingAt = performance.now();
    }
    if (!window.benchReadyAt && state === "ready") window.benchReadyAt = performance.now();
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
  const warnings = [];
  page.on("console", (message) => warnings.push(message.text()));
  await page.goto(url, {waitUntil: "commit"});
  await page.waitForFunction(() => window.benchReadyAt !== undefined, null, {polling: 10});
  const times = await page.evaluate(() => ({accepting: window.benchAcceptingAt,
                                             ready: window.benchReadyAt}));
  await context.close();
  // A preload the page does not use, or a slow path the module falls back to, says so here.
  if (warnings.length > 0) console.warn(`${url}: ${warnings.join("; ")}`);
  return times;
}

async function main() {
  fs.copyFileSync(bare, path.join(site, "bench-bare.html"));
  const server = await serveSite(site);
  const browser = await chromium.launch(config.use.launchOptions);
  try {
    const page = await firstVisit(browser, server, server.url, true);
    const floor = await firstVisit(browser, server, `${server.url}bench-bare.html`, false);

    // Interleaved, each page first in turn, so that a busy moment of the machine falls on
    // both alike.
    const ours = [];
    const theirs = [];
    for (let i = 0; i < kRuns; ++i) {
      const visits = [[ours, server.url], [theirs, `${server.url}bench-bare.html`]];
      if (i % 2) visits.reverse();
      for (const [times, url] of visits) times.push(await startTimes(browser, url));
    }

    const context = await browser.newContext({locale: "it-IT"});
    const window = await context.newPage();
    await window.goto(server.url);
    await window.locator("body[data-state=ready]").waitFor();
    const clicks = await window.evaluate(async (count) => {
      const height = document.querySelector("[data-name=TxtAltezza]");
      const woman = document.querySelector("[data-name=TxtGavrentoDonna]");
      const calcola = document.querySelector("[data-name=CmdCalcola]");
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
    }, kClicks);
    await context.close();

    const kib = (visit) => `${(visit.bytes / 1024).toFixed(1)} KiB in ${visit.requests} requests`;
    const barePage = median(theirs.map((times) => times.ready));
    const to = (moment) => {
      const ms = median(ours.map((times) => times[moment]));
      return `${ms.toFixed(0)} ms   bare page ${barePage.toFixed(0)} ms   ` +
             `${(ms / barePage).toFixed(2)} x (median of ${kRuns})`;
    };
    console.log("Gavrento in the browser (headless Chromium, served by nginx, this machine)");
    console.log(`  first visit, as sent   ${kib(page)}   bare page ${kib(floor)}`);
    console.log(`  navigation to accepting ${to("accepting")}`);
    console.log(`  navigation to ready     ${to("ready")}`);
    console.log(`  Calcola to written     ${(median(clicks) * 1000).toFixed(0)} us (median of ` +
                `${kClicks}; Chromium rounds performance.now() to 5-100 us)`);
    console.log("  Qt, for comparison     about 170 us press and release, 3-15 us the handler " +
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
