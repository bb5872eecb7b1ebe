// After one visit the page starts and computes with no server at all, and it never asks
// anything of any other origin.
const {test, expect, serveSite, openWindow, control} = require("./fixtures");

test("after one visit, a reload with the server stopped still computes", async ({page}) => {
  const server = await serveSite();
  const elsewhere = [];
  page.on("request", (request) => {
    if (!request.url().startsWith(server.url)) elsewhere.push(request.url());
  });
  await openWindow(page, server.url);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  server.stop();
  await page.reload();
  await page.locator("body[data-state=ready]").waitFor();
  await control(page, "TxtAltezza").fill("180");
  await control(page, "CmdCalcola").click();
  await expect(control(page, "TxtGavrentoUomo")).toHaveValue("74,992125984252");
  expect(elsewhere).toEqual([]);
});
