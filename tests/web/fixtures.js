// What every browser test of Gavrento's page stands on: the site served on 127.0.0.1 as a
// host serves it (server.js), the window's records as the build prints them (records.json,
// from runtime/web/records.cpp), a page opened on the window, ready for input, and a guard
// that fails any test whose pages meet an error.
const fs = require("node:fs");
const base = require("@playwright/test");
const {serveSite} = require("./server");

const site = process.env.GAVRENTO_SITE;
const records = JSON.parse(fs.readFileSync(process.env.GAVRENTO_RECORDS, "utf8"));

async function openWindow(page, url) {
  await page.goto(url);
  await page.locator("body[data-state=ready]").waitFor();
  await page.evaluate(() => document.fonts.ready);
}

function control(page, name) {
  return page.locator(`[data-name="${name}"]`);
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
  gavrento: async ({page, site}, use) => {
    await openWindow(page, site.url);
    await use(page);
  },
});

module.exports = {test, expect: base.expect, site, records, openWindow, control,
                  watchForErrors};
