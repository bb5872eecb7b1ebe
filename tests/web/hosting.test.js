// The site as a host serves it: each file with its type, compressed where it is text,
// revalidated, under the page's policy with frame-ancestors, the faces' licences, which the
// page links to, among them; and Chromium finds nothing that keeps the page from being
// installed. After one visit each copy on an origin starts and computes from its own copy,
// with no server at all, asking nothing of any other origin; a first visit downloads each
// file once, and no licence text; a new version replaces its copy's old one only whole.
const {execFileSync} = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const {chromium} = require("@playwright/test");
const config = require("./playwright.config");
const fixtures = require("./fixtures");
const {expect, site, worked, openWindow, control} = fixtures;

// Each test in a browser profile of its own, as a person's: Playwright's contexts forget,
// as an incognito window does, and Chromium installs no page from one. In the temporary
// folder: Chromium's socket beside a profile allows it no longer a path.
const test = fixtures.test.extend({
  context: async ({}, use) => {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "profile-"));
    const context = await chromium.launchPersistentContext(
        profile, {...config.use.launchOptions, locale: config.use.locale});
    await use(context);
    await context.close();
    fs.rmSync(profile, {recursive: true});
  },
});

async function visit(page, url) {
  await openWindow(page, url);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
}

test("every file is sent with its type and a host's headers, and the page installs", async ({page, site}) => {
  await visit(page, site.url);
  const session = await page.context().newCDPSession(page);
  expect(await session.send("Page.getInstallabilityErrors")).toEqual({installabilityErrors: []});
  const policy = await page.locator("meta[http-equiv=Content-Security-Policy]")
      .getAttribute("content");
  const licences = await page.locator("footer a").evaluateAll(
      (links) => links.map((link) => [link.getAttribute("href"), "text/plain; charset=utf-8"]));
  expect(licences).toHaveLength(3);
  for (const [file, type, compressed = true] of [
    ["", "text/html; charset=utf-8"], ["gavrento.js", "text/javascript; charset=utf-8"],
    ["gavrento.wasm", "application/wasm"], ["icon.svg", "image/svg+xml"],
    ["manifest.webmanifest", "application/manifest+json; charset=utf-8"],
    ["icon-maskable.png", "image/png", false], ["fonts/DejaVuSans-Bold.woff2", "font/woff2", false],
    ...licences,
  ]) {
    const answer = await fetch(site.url + file, {headers: {"Accept-Encoding": "gzip"}});
    expect({status: answer.status, "content-encoding": null, ...Object.fromEntries(answer.headers)},
           file).toMatchObject({
      "status": 200, "content-type": type, "content-encoding": compressed ? "gzip" : null,
      "content-security-policy": `${policy}; frame-ancestors 'none'`,
      "x-content-type-options": "nosniff", "cache-control": "no-cache"});
  }
});

// The next version of the copy in FOLDER: gavrento.js changed, and its service worker made
// again by the build's own script. Dated later: the server's validators are the time in seconds and
// the size, which the new sw.js shares with the old.
function nextVersion(folder) {
  fs.appendFileSync(path.join(folder, "gavrento.js"), "// the next version\n");
  const sources = path.join(__dirname, "..", "..", "runtime", "web");
  execFileSync(process.env.GAVRENTO_CMAKE || "cmake",
               [`-DSITE=${folder}`, `-DTEMPLATE=${path.join(sources, "site", "sw.js.in")}`, "-P",
                path.join(sources, "service_worker.cmake")]);
  const later = new Date(Date.now() + 2000);
  for (const file of ["gavrento.js", "sw.js"]) fs.utimesSync(path.join(folder, file), later, later);
}

// Has the browser look for a new service worker now; resolves to how its install ended.
const update = (page) => page.evaluate(async () => {
  const registration = await navigator.serviceWorker.getRegistration();
  registration.update().catch(() => {});  // a failed install is told by the worker's state
  const worker = await new Promise((found) => {
    registration.onupdatefound = () => found(registration.installing);
  });
  while (!["redundant", "activated"].includes(worker.state)) {
    await new Promise((changed) => (worker.onstatechange = changed));
  }
  return worker.state;
});

test("two copies on one origin each work offline, each new version kept only whole", async ({page, serve}) => {
  const origin = test.info().outputPath("origin");  // the results' folder, emptied each run
  for (const copy of ["one", "two"]) fs.cpSync(site, path.join(origin, copy), {recursive: true});
  const server = await serve(origin, path.join(site, "index.html"));
  const asked = [];
  page.on("request", (request) => asked.push(request));
  for (const copy of ["one/", "two/"]) await visit(page, server.url + copy);
  const downloads = server.requests().filter(([status]) => status === "200")
      .map(([, , file]) => file.replace(/\/$/, "/index.html"));
  expect(downloads.filter((file, i) => downloads.indexOf(file) !== i)).toEqual([]);
  expect(downloads.filter((file) => file.endsWith(".LICENSE"))).toEqual([]);

  // two/'s host serves the next version's service worker beside the old gavrento.js: none
  // of it is kept. Then the whole next version: it replaces two/'s copy, and one/'s stays.
  const two = path.join(origin, "two");
  const old = await page.evaluate(() => caches.keys());
  const oldScript = fs.readFileSync(path.join(two, "gavrento.js"));
  nextVersion(two);
  fs.writeFileSync(path.join(two, "gavrento.js"), oldScript);
  expect(await update(page)).toBe("redundant");
  expect(await page.evaluate(() => caches.keys())).toEqual(old);
  fs.appendFileSync(path.join(two, "gavrento.js"), "// the next version\n");
  expect(await update(page)).toBe("activated");
  const now = await page.evaluate(() => caches.keys());
  expect(now).toHaveLength(2);
  expect(now).not.toEqual(old);

  await server.stop();
  const online = asked.length;
  for (const copy of ["one/", "two/"]) {
    await openWindow(page, server.url + copy);
    await control(page, "TxtAltezza").fill("180");
    await control(page, "CmdCalcola").click();
    await expect(control(page, "TxtGavrentoUomo")).toHaveValue(worked("180").uomo);
  }
  expect(await page.evaluate(() => fetch("gavrento.js").then((answer) => answer.text())))
      .toContain("the next version");
  for (const request of asked.slice(online)) {
    expect((await request.response())?.fromServiceWorker(), request.url()).toBe(true);
  }
  expect(asked.map((request) => request.url()).filter((url) => !url.startsWith(server.url)))
      .toEqual([]);
});
