// What every browser test of Gavrento's page stands on: the site served on 127.0.0.1 as
// `make web-run` serves it (packaging/web/serve.py: nginx as a host configures it), the
// facts the build prints (facts.json, from tests/print_facts.cpp: the records as the page
// places them, the expected messages, the worked results), a page opened on the window,
// ready for input, and a guard that fails any test whose pages meet an error.
const {spawn} = require("node:child_process");
const {once} = require("node:events");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const readline = require("node:readline");
const {pathToFileURL} = require("node:url");
const base = require("@playwright/test");

const site = process.env.GAVRENTO_SITE;
const siteFile = pathToFileURL(path.join(site, "index.html")).href;
const facts = JSON.parse(fs.readFileSync(process.env.GAVRENTO_FACTS, "utf8"));

// A height's worked results, written with a decimal separator.
function worked(altezza, separator = ",") {
  const row = facts.workedResults.find((r) => r.altezza === altezza);
  return {uomo: row.uomo.replace(".", separator), donna: row.donna.replace(".", separator)};
}

// ROOT served under the policy PAGE states, once it answers: {url, stop, requests}, where
// requests() is what the server has sent so far, each [status, bytes as sent, path].
async function serveSite(root = site, page = path.join(root, "index.html")) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "nginx-"));
  const server = spawn(path.join(__dirname, "../../packaging/web/serve.py"),
                       [root, folder, "--policy-of", page], {stdio: ["ignore", "pipe", "inherit"]});
  const ended = once(server, "exit");
  const stop = async () => {
    server.kill();
    await ended;
    fs.rmSync(folder, {recursive: true, force: true});
  };
  const requests = () => fs.readFileSync(path.join(folder, "access.log"), "utf8").split("\n")
      .filter(Boolean).map((line) => line.split(" "));
  for await (const line of readline.createInterface({input: server.stdout})) {
    return {url: line.split(" ")[1], stop, requests};
  }
  await stop();
  throw new Error("the site's server did not start");
}

async function openWindow(page, url) {
  await page.goto(url);
  await page.locator("body[data-state=ready]").waitFor();
  await page.evaluate(() => document.fonts.ready);
}

function control(page, name) {
  return page.locator(`[data-name="${name}"]`);
}

// The labels whose caption does not fit in their box.
function overflowingLabels(page) {
  return page.$$eval(".label", (labels) => labels
      .filter((label) => label.scrollWidth > label.clientWidth + 1 ||
                         label.scrollHeight > label.clientHeight + 1)
      .map((label) => label.dataset.name));
}

// The pixels of a screenshot (a PNG), decoded by the browser in a blank page (the window's
// own policy allows no data: images): {width, height, at(x, y): the colour as 0xRRGGBB}.
async function pixels(context, png) {
  const blank = await context.newPage();
  const {width, height, data} = await blank.evaluate(async (base64) => {
    const bitmap = await createImageBitmap(await (await fetch(`data:image/png;base64,${base64}`)).blob());
    const drawing = new OffscreenCanvas(bitmap.width, bitmap.height).getContext("2d");
    drawing.drawImage(bitmap, 0, 0);
    return {width: bitmap.width, height: bitmap.height,
            data: drawing.getImageData(0, 0, bitmap.width, bitmap.height).data};
  }, png.toString("base64"));
  await blank.close();
  const at = (x, y) => (data[4 * (y * width + x)] << 16) | (data[4 * (y * width + x) + 1] << 8) |
                       data[4 * (y * width + x) + 2];
  return {width, height, at};
}

// Keeps pictures for docs/ when GAVRENTO_WEB_SCREENSHOTS names a folder; a phone's whole page.
async function keepPicture(page, name) {
  const folder = process.env.GAVRENTO_WEB_SCREENSHOTS;
  if (folder) await page.screenshot({path: path.join(folder, name), fullPage: name.includes("phone")});
}

const test = base.test.extend({
  // Page errors, errors in the console and policy violations in any page of the test fail
  // it, but those EXPECTED (a RegExp) matches: a test that provokes one names it.
  expectedErrors: [null, {option: true}],
  errorGuard: [async ({context, expectedErrors}, use) => {
    const errors = [];
    const note = (text) => expectedErrors?.test(text) || errors.push(text);
    const watch = (page) => {
      page.on("pageerror", (error) => note(`page error: ${error.message}`));
      page.on("console", (message) => message.type() === "error" && note(message.text()));
    };
    context.pages().forEach(watch);
    context.on("page", watch);
    await context.addInitScript(() => addEventListener("securitypolicyviolation", (event) => {
      console.error(`policy violation: ${event.violatedDirective} ${event.blockedURI}`);
    }));
    await use();
    base.expect(errors, "errors in the page").toEqual([]);
  }, {auto: true}],
  // A server of the test's own, stopped at its end however it ends.
  serve: async ({}, use) => {
    let server;
    await use(async (...how) => (server = await serveSite(...how)));
    await server?.stop();
  },
  site: [async ({}, use) => {
    const server = await serveSite();
    await use(server);
    await server.stop();
  }, {scope: "worker"}],
  gavrento: async ({page, site}, use) => {
    await openWindow(page, site.url);
    await use(page);
  },
});

module.exports = {test, expect: base.expect, site, siteFile, facts, worked, serveSite, openWindow,
                  control, overflowingLabels, pixels, keepPicture};
