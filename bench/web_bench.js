// Gavrento's page against a bare page with the same controls in plain HTML, in Debian's
// Chromium, headless, on this machine (make bench-web). Prints one table:
//   bytes a first visit transfers, each file gzip -9 compressed as a static host serves it;
//   navigation to the window ready for input (median of RUNS fresh visits, alternating);
//   a click on Calcola until both boxes are written, in the page (median of CLICKS).
// Playwright is the tests' own, from tests/web/node_modules. GAVRENTO_SITE names the site.
const fs = require("node:fs");
const {createRequire} = require("node:module");
const path = require("node:path");
const zlib = require("node:zlib");
const {chromium} = createRequire(path.join(__dirname, "../tests/web/"))("@playwright/test");
const {serveSite} = require("../tests/web/fixtures");
const config = require("../tests/web/playwright.config");

const kRuns = 15;
const kClicks = 300;
const site = process.env.GAVRENTO_SITE;
const bare = path.join(__dirname, "web_bare.html");

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

function gzipped(file) {
  return zlib.gzipSync(fs.readFileSync(file), {level: 9}).length;
}

// Every file a first visit asks for, the service worker's own fetches included.
async function firstVisitBytes(browser, url) {
  const context = await browser.newContext();
  const asked = new Set();
  context.on("request", (request) => asked.add(new URL(request.url()).pathname));
  const page = await context.newPage();
  await page.goto(url);
  await page.locator("body[data-state=ready]").waitFor();
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await context.close();
  let total = 0;
  for (const name of asked) {
    const file = path.join(site, name.endsWith("/") ? `${name}index.html` : name);
    if (fs.existsSync(file)) total += gzipped(file);
  }
  return {total, files: asked.size};
}

// The moment the page marks its window ready, taken as it happens rather than at the next
// frame, for readyTime below.
function watchForReady() {
  new MutationObserver((changes, observer) => {
    if (document.body && document.body.dataset.state === "ready") {
      window.gavrentoReadyAt = performance.now();
      observer.disconnect();
    }
  }).observe(document, {subtree: true, attributes: true, attributeFilter: ["data-state"]});
}

async function readyTime(browser, url, ready) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.addInitScript(watchForReady);
  const warnings = [];
  page.on("console", (message) => warnings.push(message.text()));
  await page.goto(url, {waitUntil: "commit"});
  const ms = await page.evaluate(ready);
  await context.close();
  // A preload the page does not use, or a slow path the module falls back to, says so here.
  if (warnings.length > 0) console.warn(`${url}: ${warnings.join("; ")}`);
  return ms;
}

async function main() {
  const server = await serveSite();
  fs.copyFileSync(bare, path.join(site, "bench-bare.html"));
  const browser = await chromium.launch(config.use.launchOptions);
  try {
    const page = await firstVisitBytes(browser, server.url);
    const floor = gzipped(bare);

    const ours = [];
    const theirs = [];
    for (let i = 0; i < kRuns; ++i) {
      // Ready for input: the program has made the window, and its faces are in.
      ours.push(await readyTime(browser, server.url, async () => {
        await new Promise((resolve) => {
          const check = () => window.gavrentoReadyAt ? resolve() : setTimeout(check, 1);
          check();
        });
        const madeAt = window.gavrentoReadyAt;
        const fontsBusy = document.fonts.status === "loading";
        await document.fonts.ready;
        return fontsBusy ? Math.max(madeAt, performance.now()) : madeAt;
      }));
      theirs.push(await readyTime(browser, `${server.url}bench-bare.html`, async () => {
        if (document.readyState !== "complete") {
          await new Promise((resolve) => addEventListener("load", resolve));
        }
        return performance.now();
      }));
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

    const ratio = median(ours) / median(theirs);
    console.log("Gavrento in the browser (headless Chromium, this machine)");
    console.log(`  first visit, gzip      ${(page.total / 1024).toFixed(1)} KiB in ${page.files} ` +
                `files   bare page ${(floor / 1024).toFixed(1)} KiB`);
    console.log(`  navigation to ready    ${median(ours).toFixed(0)} ms   bare page ` +
                `${median(theirs).toFixed(0)} ms   ${ratio.toFixed(2)} x (median of ${kRuns})`);
    console.log(`  Calcola to written     ${(median(clicks) * 1000).toFixed(0)} us (median of ` +
                `${kClicks}; Chromium rounds performance.now() to 5-100 us)`);
    console.log("  Qt, for comparison     about 170 us press and release, 3-15 us the handler " +
                "(docs/benchmarks.md)");
  } finally {
    await browser.close();
    fs.rmSync(path.join(site, "bench-bare.html"));
    server.stop();
  }
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
