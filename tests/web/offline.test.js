// After one visit the page starts and computes with no server at all, it never asks
// anything of any other origin, and a new version of the site replaces the old one whole.
const {execFileSync} = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const {test, expect, site, openWindow, control} = require("./fixtures");

test("after one visit, a reload with the server stopped still computes", async ({page, serve}) => {
  const server = await serve();
  const elsewhere = [];
  page.on("request", (request) => {
    if (!request.url().startsWith(server.url)) elsewhere.push(request.url());
  });
  await openWindow(page, server.url);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await server.stop();
  await page.reload();
  await page.locator("body[data-state=ready]").waitFor();
  await control(page, "TxtAltezza").fill("180");
  await control(page, "CmdCalcola").click();
  await expect(control(page, "TxtGavrentoUomo")).toHaveValue("74,992125984252");
  expect(elsewhere).toEqual([]);
});

// The next version, in place of the one in FOLDER: one file changed and its service worker
// made again by the build's own script. Dated later: the server's validators are the time in
// seconds and the size, which the new sw.js shares with the old.
function nextVersion(folder) {
  fs.appendFileSync(path.join(folder, "fonts", "LiberationSans-Regular.LICENSE"),
                    "the next version\n");
  const sources = path.join(__dirname, "..", "..", "runtime", "web");
  execFileSync(process.env.GAVRENTO_CMAKE || "cmake",
               [`-DSITE=${folder}`, `-DTEMPLATE=${path.join(sources, "site", "sw.js.in")}`, "-P",
                path.join(sources, "service_worker.cmake")]);
  const later = new Date(Date.now() + 2000);
  fs.utimesSync(path.join(folder, "sw.js"), later, later);
}

test("a new version replaces the old cache and serves its own files", async ({page, serve}) => {
  const next = fs.mkdtempSync(path.join(os.tmpdir(), "gavrento-next-"));
  try {
    fs.cpSync(site, next, {recursive: true});
    const second = await serve(next);
    await openWindow(page, second.url);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    const [old] = await page.evaluate(() => caches.keys());
    nextVersion(next);
    await page.reload();
    // The browser looks for a new service worker by itself, a moment after the reload; then
    // only the cache the new one names is left.
    const named = fs.readFileSync(path.join(next, "sw.js"), "utf8").match(/"(gavrento-\w+)"/)[1];
    expect(named).not.toBe(old);
    await expect.poll(() => page.evaluate(() => caches.keys()), {timeout: 20_000})
        .toEqual([named]);
    await second.stop();
    await page.reload();
    await page.locator("body[data-state=ready]").waitFor();
    const licence = await page.evaluate(
        () => fetch("fonts/LiberationSans-Regular.LICENSE").then((answer) => answer.text()));
    expect(licence).toContain("the next version");
  } finally {
    fs.rmSync(next, {recursive: true, force: true});
  }
});
