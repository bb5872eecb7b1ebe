// After one visit the page starts and computes from its own copy, with no server at all, and
// asks nothing of any other origin; the visit downloads each file once, and no licence text.
// Each copy on an origin keeps its copy; a new version replaces the old one whole, never a
// mixture of the two.
const {execFileSync} = require("node:child_process");
const fs = require("node:fs");
const path = require("node:path");
const {test, expect, site, worked, openWindow, control} = require("./fixtures");

// The next version: a copy of the site (in FOLDER) with page.js changed, and its service
// worker made again by the build's own script. Dated later: the server's validators are
// the time in seconds and the size, which the new sw.js shares with the old.
function nextVersion(folder) {
  if (!fs.existsSync(folder)) fs.cpSync(site, folder, {recursive: true});
  fs.appendFileSync(path.join(folder, "page.js"), "// the next version\n");
  const sources = path.join(__dirname, "..", "..", "runtime", "web");
  execFileSync(process.env.GAVRENTO_CMAKE || "cmake",
               [`-DSITE=${folder}`, `-DTEMPLATE=${path.join(sources, "site", "sw.js.in")}`, "-P",
                path.join(sources, "service_worker.cmake")]);
  const later = new Date(Date.now() + 2000);
  for (const file of ["page.js", "sw.js"]) fs.utimesSync(path.join(folder, file), later, later);
}

async function visit(page, url) {
  await openWindow(page, url);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
}

// The window at URL, every request answered by the service worker, computes.
async function computesOffline(page, url) {
  const requests = [];
  const note = (request) => requests.push(request);
  page.on("request", note);
  await openWindow(page, url);
  await control(page, "TxtAltezza").fill("180");
  await control(page, "CmdCalcola").click();
  await expect(control(page, "TxtGavrentoUomo")).toHaveValue(worked("180").uomo);
  page.off("request", note);
  for (const request of requests) {
    expect((await request.response())?.fromServiceWorker(), request.url()).toBe(true);
  }
}

// Asks the browser to look for a new service worker now; resolves to how its install ended.
function update(page) {
  return page.evaluate(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    const found = new Promise((resolve) => {
      registration.onupdatefound = () => resolve(registration.installing);
    });
    const [worker] = await Promise.all([found, registration.update().catch(() => {})]);
    while (!["redundant", "activated"].includes(worker.state)) {
      await new Promise((changed) => (worker.onstatechange = changed));
    }
    return worker.state;
  });
}

test("two versions side by side on one origin each work offline after the other's visit", async ({page, serve}) => {
  const folder = test.info().outputPath("origin");  // the results' folder, emptied each run
  fs.cpSync(site, path.join(folder, "one"), {recursive: true});
  nextVersion(path.join(folder, "two"));
  const server = await serve(folder, path.join(site, "index.html"));
  const elsewhere = [];
  page.on("request", (request) => {
    if (!request.url().startsWith(server.url)) elsewhere.push(request.url());
  });
  for (const copy of ["one/", "two/"]) await visit(page, server.url + copy);
  const downloads = server.requests().filter((request) => request.status === 200)
      .map((request) => request.path.replace(/\/$/, "/index.html"));
  expect(downloads.filter((file, i) => downloads.indexOf(file) !== i)).toEqual([]);
  expect(downloads.filter((file) => file.endsWith(".LICENSE"))).toEqual([]);
  await server.stop();
  for (const copy of ["one/", "two/"]) await computesOffline(page, server.url + copy);
  expect(elsewhere).toEqual([]);
});

test("a new version is kept only whole: a mixed set is refused, the old copy kept", async ({page, serve}) => {
  const folder = test.info().outputPath("site");
  fs.cpSync(site, folder, {recursive: true});
  const server = await serve(folder);
  await visit(page, server.url);
  const old = await page.evaluate(() => caches.keys());
  // The host serves the next version's service worker beside the old page.js.
  const oldScript = fs.readFileSync(path.join(folder, "page.js"));
  nextVersion(folder);
  fs.writeFileSync(path.join(folder, "page.js"), oldScript);
  expect(await update(page)).toBe("redundant");
  expect(await page.evaluate(() => caches.keys())).toEqual(old);
  // Then the whole next version: it replaces the old copy, at the next look.
  fs.appendFileSync(path.join(folder, "page.js"), "// the next version\n");
  expect(await update(page)).toBe("activated");
  const now = await page.evaluate(() => caches.keys());
  expect(now).toHaveLength(1);
  expect(now).not.toEqual(old);
  await server.stop();
  await computesOffline(page, server.url);
  expect(await page.evaluate(() => fetch("page.js").then((answer) => answer.text())))
      .toContain("the next version");
});
