// The page's side of Gavrento's web runtime. It makes the elements the program asks for,
// forwards presses, shows the message box and ends the page; what the window holds, where
// and in which colour, and what a press does, the program (C++, in gavrento.wasm) decides.
"use strict";

const GavrentoPage = (() => {
  const elements = new Map();
  let windowElement = null;
  let client = null;
  let naturalWidth = 0;
  let ended = false;
  // Presses wait their turn: the next handler runs only when the last one has returned,
  // message boxes included, as one thread serves the window on the desktop.
  let pending = Promise.resolve();

  function place(element, box) {
    element.style.left = `${box.left}px`;
    element.style.top = `${box.top}px`;
    element.style.width = `${box.width}px`;
    element.style.height = `${box.height}px`;
  }

  function applyFont(element, font) {
    element.style.fontFamily = `"${font.family}"`;
    element.style.fontSize = `${font.pixels}px`;
    element.style.fontWeight = String(font.weight);
    element.style.fontStyle = font.italic ? "italic" : "normal";
  }

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

  // The whole window, scaled down as one where the screen is narrower, never up. Its
  // natural width is taken at the first fit, when the page is laid out for the first time
  // anyway, rather than while the program is still making elements.
  function fitToScreen() {
    if (!windowElement) return;
    if (naturalWidth === 0) naturalWidth = windowElement.getBoundingClientRect().width;
    const room = document.documentElement.clientWidth;
    // Two pixels spare: the borders round to whole device pixels at any zoom.
    const thousandths = Math.floor((1000 * (room - 2)) / naturalWidth);
    windowElement.style.zoom = String(Math.min(1000, thousandths) / 1000);
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

  return {
    makeWindow(caption, width, height, family, pixels) {
      document.title = caption;
      windowElement = document.createElement("div");
      windowElement.className = "window";
      const title = document.createElement("h1");
      title.className = "title";
      title.textContent = caption;
      client = document.createElement("div");
      client.className = "client";
      client.style.width = `${width}px`;
      client.style.height = `${height}px`;
      applyFont(client, {family, pixels, weight: 400, italic: false});
      windowElement.append(title, client);
      document.getElementById("program").append(windowElement);
    },

    makeElement(control) {
      let element;
      if (control.kind === "textbox") {
        element = document.createElement("input");
        element.type = "text";
        element.autocomplete = "off";
        element.spellcheck = false;
        element.setAttribute("aria-label", control.accessibleName);
      } else if (control.kind === "button") {
        element = document.createElement("button");
        element.type = "button";
        element.textContent = control.text;
        element.addEventListener("click", () => press(control.name));
      } else {
        element = document.createElement("div");
        element.textContent = control.text;
      }
      element.className = control.kind;
      element.dataset.name = control.name;
      element.style.zIndex = String(control.stacking + 1);
      element.style.textAlign = control.align;
      place(element, control.box);
      applyFont(element, control.font);
      elements.set(control.name, element);
      client.append(element);
    },

    makeLine(name, box) {
      const line = document.createElement("div");
      line.className = "line";
      line.dataset.name = name;
      place(line, box);
      elements.set(name, line);
      client.append(line);
    },

    setInk(name, red, green, blue) {
      const element = elements.get(name);
      element.style.setProperty("--ink", rgb(red, green, blue));
    },

    setFace(red, green, blue) {
      client.style.setProperty("--face", rgb(red, green, blue));
    },

    focus(name) {
      elements.get(name).focus();
    },

    ready() {
      applyColours();
      forcedColours.addEventListener("change", applyColours);
      fitToScreen();
      addEventListener("resize", fitToScreen);
      document.body.dataset.state = "ready";
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
