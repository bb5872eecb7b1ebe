// The page's side of Gavrento's web runtime. It adopts the window the build wrote into
// index.html (by the program's own page builder), forwards presses, shows the message box
// and ends the page; what the window holds, where and in which colour, and what a press
// does, the program (C++, in gavrento.wasm) decides.
"use strict";

const GavrentoPage = (() => {
  const windowElement = document.querySelector("#program > .window");
  const client = windowElement.querySelector(".client");
  const elements = new Map([...client.querySelectorAll("[data-name]")].map(
      (element) => [element.dataset.name, element]));
  let ended = false;
  // Presses wait their turn: the next handler runs only when the last one has returned,
  // message boxes included, as one thread serves the window on the desktop. The first
  // waits for the program itself, which is still loading when the window can be used.
  let programReady;
  let pending = new Promise((resolve) => {
    programReady = resolve;
  });

  function rgb(red, green, blue) {
    return `rgb(${red}, ${green}, ${blue})`;
  }

  function press(name) {
    if (ended) return;
    pending = pending.then(() => {
      if (ended) return undefined;
      return Module.ccall("gavrento_click", null, ["string"], [name], {async: true});
    });
  }

  // CSS's system colours as 0xRRGGBB, as the browser computes them now.
  function systemColour(keyword) {
    const probe = document.createElement("span");
    probe.style.color = keyword;
    document.body.append(probe);
    const [red, green, blue] = getComputedStyle(probe).color.match(/\d+/g).map(Number);
    probe.remove();
    return (red << 16) | (green << 8) | blue;
  }

  // The user's colours are read only when they are in force: each reading restyles the page.
  const forcedColours = matchMedia("(forced-colors: active)");
  function applyColours() {
    const forced = forcedColours.matches;
    Module._gavrento_colours(forced ? 1 : 0, forced ? systemColour("Highlight") : 0,
                             forced ? systemColour("ButtonFace") : 0,
                             forced ? systemColour("ButtonText") : 0);
  }

  for (const [name, element] of elements) {
    if (element.tagName === "BUTTON") element.addEventListener("click", () => press(name));
  }
  // The control the program focuses first, marked when the page was written. Focused here
  // at once: an autofocus attribute would wait for the browser's next frame.
  const first = client.querySelector("[data-first-focus]");
  if (first && document.activeElement === document.body) first.focus();
  // Placed, focused and taking presses: ready for input.
  document.body.dataset.state = "accepting";

  return {
    setInk(name, red, green, blue) {
      const element = elements.get(name);
      element.style.setProperty("--ink", rgb(red, green, blue));
    },

    setFace(red, green, blue) {
      client.style.setProperty("--face", rgb(red, green, blue));
    },

    // The page was written in the page's own colours; the user's, if forced, replace them.
    ready() {
      if (forcedColours.matches) applyColours();
      forcedColours.addEventListener("change", applyColours);
      document.body.dataset.state = "ready";
      programReady();
    },

    text(name) {
      return elements.get(name).value;
    },

    // The boxes are narrower than a fifteen-digit result: show its beginning.
    setText(name, text) {
      const box = elements.get(name);
      box.value = text;
      box.scrollLeft = 0;
    },

    // Into the polite live region, which screen readers read out when it changes.
    announce(text) {
      document.getElementById("announcement").textContent = text;
    },

    // The separator the browser's first language writes numbers with.
    decimalSeparator() {
      const parts = new Intl.NumberFormat(navigator.languages[0] || navigator.language)
                        .formatToParts(1.5);
      return parts.find((part) => part.type === "decimal").value;
    },

    // Modal: the window takes no input until the box is closed, by OK (Enter or Space on
    // it, or a click) or Escape; then the focus goes back where it was.
    showMessageBox(title, text, icon) {
      const box = document.getElementById("message-box");
      const returnFocus = document.activeElement;
      document.getElementById("message-title").textContent = title;
      document.getElementById("message-text").textContent = text;
      document.getElementById("message-icon").className = icon;
      return new Promise((resolve) => {
        box.addEventListener("close", () => {
          if (returnFocus && returnFocus.isConnected) returnFocus.focus();
          resolve();
        }, {once: true});
        box.showModal();
        document.getElementById("message-ok").focus();
      });
    },

    // A tab the user opened may not be closed by its page: then the page says the program
    // has ended and offers only to start it again.
    end(endedText, startAgain) {
      ended = true;
      window.close();
      if (window.closed) return;
      const program = document.getElementById("program");
      const heading = document.createElement("h1");
      heading.textContent = endedText;
      const again = document.createElement("a");
      again.href = location.href.split("#")[0];
      again.textContent = startAgain;
      program.className = "ended";
      program.replaceChildren(heading, again);
      document.title = endedText;
      again.focus();
    },
  };
})();

document.getElementById("message-ok").addEventListener("click", () => {
  document.getElementById("message-box").close();
});

if ("serviceWorker" in navigator) {
  navigator.serviceWorker.register("sw.js");
}
