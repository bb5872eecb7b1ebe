// What every browser test of Gavrento's page stands on: the site served on 127.0.0.1 as a
// host serves it (server.js), the facts the build prints (facts.json, from
// tests/print_facts.cpp: the records as the page places them, the expected messages, the
// worked results), a page opened on the window (served, or from a file), ready for input,
// and a guard that fails any test whose pages meet an error.
const fs = require("node:fs");
const path = require("node:path");
const {pathToFileURL} = require("node:url");
const base = require("@playwright/test");
const {serveSite} = require("./server");

const siteFolder = process.env.GAVRENTO_SITE;
const facts = JSON.parse(fs.readFileSync(process.env.GAVRENTO_FACTS, "utf8"));

// A height's worked results, written with a decimal separator.
function worked(altezza, separator = ",") {
  const row = facts.workedResults.find((r) => r.altezza === altezza);
  return {uomo: row.uomo.replace(".", separator), donna: row.donna.replace(".", separator)};
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

// Keeps pictures for docs/ when GAVRENTO_WEB_SCREENSHOTS names a folder.
const pictures = process.env.GAVRENTO_WEB_SCREENSHOTS;
async function keepPicture(page, name) {
  if (pictures) await page.screenshot({path: path.join(pictures, name)});
}

// Page errors, errors in the console and policy violations in every page of a context,
// but those EXPECTED (a RegExp) matches: a test that provokes one names it.
function watchForErrors(context, expected) {
  const errors = [];
  const note = (text) => {
    if (!expected || !expected.test(text)) errors.push(text);
  };
  const watch = (page) => {
    page.on("pageerror", (error) => note(`page error: ${error.message}`));
    page.on("console", (message) => {
      if (message.type() === "error") note(message.text());
    });
  };
  context.pages().forEach(watch);
  context.on("page", watch);
  context.addInitScript(() => addEventListener("securitypolicyviolation", (event) => {
    console.error(`policy violation: ${event.violatedDirective} ${event.blockedURI}`);
  }));
  return errors;
}

const test = base.test.extend({
  expectedErrors: [null, {option: true}],
  errorGuard: [async ({context, expectedErrors}, use) => {
    const errors = watchForErrors(context, expectedErrors);
    await use();
    base.expect(errors, "errors in the page").toEqual([]);
  }, {auto: true}],
  // serve(root, page): serveSite's servers, each stopped at the test's end, however it ends.
  serve: async ({}, use) => {
    const servers = [];
    await use(async (...how) => {
      servers.push(await serveSite(...how));
      return servers.at(-1);
    });
    for (const server of servers) await server.stop();
  },
  site: [async ({}, use) => {
    const server = await serveSite();
    await use(server);
    await server.stop();
  }, {scope: "worker"}],
  fromFile: [false, {option: true}],
  address: async ({site, fromFile}, use) => {
    await use(fromFile ? pathToFileURL(path.join(siteFolder, "index.html")).href : site.url);
  },
  gavrento: async ({page, address}, use) => {
    await openWindow(page, address);
    await use(page);
  },
});

module.exports = {test, expect: base.expect, site: siteFolder, facts, worked, openWindow, control,
                  overflowingLabels, keepPicture, watchForErrors};
