// The site as a host serves it: each file with its type, compressed where it is text,
// revalidated, under the page's policy with frame-ancestors, the faces' licences, which the
// page links to, among them; and Chromium finds nothing that keeps the page from being
// installed. After one visit each copy on an origin starts and computes from its own copy,
// with no server at all, asking nothing of any other origin; a first visit downloads each
// file once, and no licence text; a new version replaces its copy's old one only whole.
const {execFileSync} = require("node:child_process");
const fs = require("node:fs");
const path = require("node:path");
const {chromium} = require("@playwright/test");
const config = require("./playwright.config");
const {test, expect, site, worked, openWindow, control, watchForErrors} = require("./fixtures");

async function visit(page, url) {
  await openWindow(page, url);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
}

test("every file is sent with its type and a host's headers, and the page installs", async ({site}) => {
  const context = await chromium.launchPersistentContext(test.info().outputPath("profile"),
                                                         config.use.launchOptions);
  try {
    const errors = await watchForErrors(context);
    const page = context.pages()[0];
    await visit(page, site.url);
    const session = await context.newCDPSession(page);
    expect(await session.send("Page.getInstallabilityErrors")).toEqual({installabilityErrors: []});
    const policy = await page.locator("meta[http-equiv=Content-Security-Policy]")
        .getAttribute("content");
    const licences = await page.locator("footer a").evaluateAll(
        (links) => links.map((link) => [link.getAttribute("href"), "text/plain; charset=utf-8"]));
    expect(licences).toHaveLength(3);
    for (const [file, type, compressed = true] of [
      ["", "text/html; charset=utf-8"], ["page.js", "text/javascript; charset=utf-8"],
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
    expect(errors).toEqual([]);
  } finally {
    await context.close();
  }
});

// The next version of the copy in FOLDER: page.js changed, and its service worker made again
// by the build's own script. Dated later: the server's validators are the time in seconds and
// the size, which the new sw.js shares with the old.
function nextVersion(folder) {
  fs.appendFileSync(path.join(folder, "page.js"), "// the next version\n");
  const sources = path.join(__dirname, "..", "..", "runtime", "web");
  execFileSync(process.env.GAVRENTO_CMAKE || "cmake",
               [`-DSITE=${folder}`, `-DTEMPLATE=${path.join(sources, "site", "sw.js.in")}`, "-P",
                path.join(sources, "service_worker.cmake")]);
  const later = new Date(Date.now() + 2000);
  for (const file of ["page.js", "sw.js"]) fs.utimesSync(path.join(folder, file), later, later);
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

test("two copies on one origin each work offline, each new version kept only whole", async ({page, serve}) => {
  const origin = test.info().outputPath("origin");  // the results' folder, emptied each run
  for (const copy of ["one", "two"]) fs.cpSync(site, path.join(origin, copy), {recursive: true});
  const server = await serve(origin, path.join(site, "index.html"));
  const asked = [];
  page.on("request", (request) => asked.push(request));
  for (const copy of ["one/", "two/"]) await visit(page, server.url + copy);
  const downloads = server.requests().filter((request) => request.status === 200)
      .map((request) => request.path.replace(/\/$/, "/index.html"));
  expect(downloads.filter((file, i) => downloads.indexOf(file) !== i)).toEqual([]);
  expect(downloads.filter((file) => file.endsWith(".LICENSE"))).toEqual([]);

  // two/'s host serves the next version's service worker beside the old page.js: nothing of
  // it is kept. Then the whole next version: it replaces two/'s copy, and one/'s stays.
  const two = path.join(origin, "two");
  const old = await page.evaluate(() => caches.keys());
  const oldScript = fs.readFileSync(path.join(two, "page.js"));
  nextVersion(two);
  fs.writeFileSync(path.join(two, "page.js"), oldScript);
  expect(await update(page)).toBe("redundant");
  expect(await page.evaluate(() => caches.keys())).toEqual(old);
  fs.appendFileSync(path.join(two, "page.js"), "// the next version\n");
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
  expect(await page.evaluate(() => fetch("page.js").then((answer) => answer.text())))
      .toContain("the next version");
  for (const request of asked.slice(online)) {
    expect((await request.response())?.fromServiceWorker(), request.url()).toBe(true);
  }
  expect(asked.map((request) => request.url()).filter((url) => !url.startsWith(server.url)))
      .toEqual([]);
});
