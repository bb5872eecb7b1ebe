// Gavrento's page against a bare page with the same controls in plain HTML, in Debian's
// Chromium, headless, on this machine (make bench-web). Prints one table:
//   bytes a first visit transfers, each file gzip -9 compressed as a static host serves it;
//   navigation to the window ready for input (median of RUNS fresh visits, alternating);
//   a click on Calcola until both boxes are written, in the page (median of CLICKS).
// Playwright is the tests' own, from tests/web/node_modules. GAVRENTO_SITE names the site.
const fs = require("node:fs");
const http = require("node:http");
const {createRequire} = require("node:module");
const path = require("node:path");
const zlib = require("node:zlib");
const {chromium} = createRequire(path.join(__dirname, "../tests/web/"))("@playwright/test");
const config = require("../tests/web/playwright.config");

const kRuns = 21;
const kClicks = 300;
const site = process.env.GAVRENTO_SITE;
const bare = path.join(__dirname, "web_bare.html");

// Both pages from one server, the same way: HTTP/1.1 with connections kept alive (as any
// static host serves; Python's http.server speaks HTTP/1.0 and reconnects for each file),
// with the same headers for both.
const kTypes = {".html": "text/html; charset=utf-8", ".js": "text/javascript",
                ".wasm": "application/wasm", ".css": "text/css", ".woff2": "font/woff2",
                ".svg": "image/svg+xml", ".png": "image/png",
                ".webmanifest": "application/manifest+json"};

function serveFolder(folder) {
  const files = new Map();
  for (const name of fs.readdirSync(folder, {recursive: true})) {
    const file = path.join(folder, name);
    if (fs.statSync(file).isFile()) files.set(`/${name.split(path.sep).join("/")}`, file);
  }
  const server = http.createServer((request, response) => {
    const name = new URL(request.url, "http://host").pathname;
    const file = files.get(name.endsWith("/") ? `${name}index.html` : name);
    if (!file) {
      response.writeHead(404).end();
      return;
    }
    const body = fs.readFileSync(file);
    response.writeHead(200, {"Content-Type": kTypes[path.extname(file)] || "text/plain",
                             "Content-Length": body.length, "Cache-Control": "no-cache"});
    response.end(body);
  });
  return new Promise((resolve) => server.listen(0, "127.0.0.1", () => resolve({
    url: `http://127.0.0.1:${server.address().port}/`,
    stop: () => {
      server.close();
      server.closeAllConnections();
    },
  })));
}

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

// Ready for input: the window's controls exist, are placed, Uscita has the focus and a press
// is taken. Each moment is taken as it happens (in the page, from navigation start), never
// when the bench next looks: Gavrento's once its page has adopted the window written into
// index.html and takes presses (data-state "accepting"; they run when the program has
// loaded, "ready") and the browser has given Uscita the focus; the bare page's when the
// browser gives Uscita the focus (its autofocus, once the document is parsed and laid out).
// The faces are not waited for: the captions are drawn in a fallback face until they come.
function watchForReady() {
  const isUscita = (element) => element && element.tagName === "BUTTON" &&
                                element.textContent.trim() === "Uscita";
  const mark = () => {
    if (window.benchReadyAt || document.readyState === "loading") return;
    const ours = document.getElementById("program") !== null;
    if (ours && !["accepting", "ready"].includes(document.body.dataset.state)) return;
    if (!isUscita(document.activeElement)) return;
    window.benchReadyAt = performance.now();
  };
  addEventListener("focusin", mark, true);
  addEventListener("DOMContentLoaded", mark);
  new MutationObserver(mark).observe(document, {subtree: true, attributes: true,
                                                attributeFilter: ["data-state"]});
}

async function readyTime(browser, url) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.addInitScript(watchForReady);
  const warnings = [];
  page.on("console", (message) => warnings.push(message.text()));
  await page.goto(url, {waitUntil: "commit"});
  await page.waitForFunction(() => window.benchReadyAt !== undefined, null, {polling: 10});
  const ms = await page.evaluate(() => window.benchReadyAt);
  await context.close();
  // A preload the page does not use, or a slow path the module falls back to, says so here.
  if (warnings.length > 0) console.warn(`${url}: ${warnings.join("; ")}`);
  return ms;
}

async function main() {
  fs.copyFileSync(bare, path.join(site, "bench-bare.html"));
  const server = await serveFolder(site);
  const browser = await chromium.launch(config.use.launchOptions);
  try {
    const page = await firstVisitBytes(browser, server.url);
    const floor = gzipped(bare);

    // Interleaved, each page first in turn, so that a busy moment of the machine falls on
    // both alike.
    const ours = [];
    const theirs = [];
    for (let i = 0; i < kRuns; ++i) {
      const visits = [[ours, server.url], [theirs, `${server.url}bench-bare.html`]];
      if (i % 2) visits.reverse();
      for (const [times, url] of visits) times.push(await readyTime(browser, url));
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
