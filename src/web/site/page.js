"use strict";
// The page presents the main window: the module (calculator.js) builds the controls from the
// window's table and decides every reaction; this script only creates the elements it names,
// carries out its operations on them and hands the user's actions to it.

// The module's operations, in order. A message box holds back the operations after it until it
// is closed, as the window's modal box holds back the rest of the click.
const oscPage = (() => {
  const byName = new Map();
  const steps = [];
  let boxOpen = false;
  let chartDrawn = false;
  let resultsKept = false;

  const client = (name) => document.getElementById(`${name}-client`) || byName.get(name);
  const colour = (packed) => `#${packed.toString(16).padStart(6, "0")}`;

  function present(step) {
    steps.push(step);
    run();
  }
  function run() {
    while (!boxOpen && steps.length > 0)
      steps.shift()();
    // The page takes no input while a box is open or the box's operations are still to come.
    document.getElementById("Page").inert = boxOpen;
    document.getElementById("Form_About").inert = boxOpen;
  }

  function fitToolTip(box) {
    box.title = box.scrollWidth > box.clientWidth ? box.value : "";
  }

  function create(kind, name, container, caption, left, top, width, height, tabIndex, font,
                  accessibleName, accessibleDescription, settings, textColour) {
    const HiddenAtStart = 1, SelectedAtStart = 2, InFront = 4;
    let element, focusable;
    switch (kind) {
    case "Frame":
      element = document.createElement("div");
      element.setAttribute("role", "group");
      element.innerHTML = '<div class="frame-line"></div>';
      if (caption) {
        const legend = document.createElement("span");
        legend.className = "frame-caption";
        legend.textContent = caption;
        element.append(legend);
        element.setAttribute("aria-label", caption);
      }
      element.classList.add("frame");
      if (settings & InFront)
        element.classList.add("in-front");
      break;
    case "OptionButton": {
      element = document.createElement("label");
      element.className = "option";
      focusable = document.createElement("input");
      focusable.type = "radio";
      focusable.name = `group-${container}`;
      focusable.checked = (settings & SelectedAtStart) !== 0;
      focusable.addEventListener("click", () => Module.ccall("PageChooseOption", null,
                                                              ["string"], [name]));
      const text = document.createElement("span");
      text.textContent = caption;
      element.append(focusable, text);
      break;
    }
    case "ValueBox":
    case "TextBox":
      element = focusable = document.createElement("input");
      element.type = "text";
      element.readOnly = kind === "ValueBox";
      element.className = "textbox";
      element.value = caption;
      element.spellcheck = false;
      element.autocomplete = "off";
      element.addEventListener("input", () => fitToolTip(element));
      break;
    case "CommandButton":
      element = focusable = document.createElement("button");
      element.className = "command";
      element.textContent = caption;
      element.addEventListener("click", () => Module._PageClick());
      break;
    case "Picture":
      element = focusable = document.createElement("div");
      element.className = "picture";
      element.setAttribute("role", "img");
      element.append(document.createElement("canvas"));
      break;
    case "AxisLabel":
    case "Label":
      element = document.createElement("div");
      element.className = kind === "Label" ? "label" : "axis-label";
      element.textContent = caption;
      break;
    }
    element.id = name;
    element.classList.add("control");
    element.classList.add({Greek: "greek", AboutTitle: "about-title", AboutText: "about-text",
                           Dialog: "dialog"}[font]);
    Object.assign(element.style, {left: `${left}px`, top: `${top}px`, width: `${width}px`,
                                  height: `${height}px`});
    if (textColour >= 0)
      element.style.color = colour(textColour);
    if (focusable) {
      focusable.tabIndex = kind === "ValueBox" ? -1 : tabIndex + 1;
      if (accessibleName)
        focusable.setAttribute("aria-label", accessibleName);
      if (accessibleDescription)
        focusable.setAttribute("aria-description", accessibleDescription);
    }
    element.hidden = (settings & HiddenAtStart) !== 0;
    client(container).append(element);
    byName.set(name, element);
  }

  const control = (name) => byName.get(name);
  const input = (name) => control(name).querySelector("input") || control(name);

  const menu = () => document.getElementById("ChartMenu");
  function describeChart(text) {
    present(() => control("Picture1").setAttribute("aria-description", text));
  }

  return {
    create,
    text: (name) => control(name).value,
    checked: (name) => input(name).checked,
    setText: (name, text) => present(() => {
      const element = control(name);
      if (element.tagName === "INPUT") {
        element.value = text;
        element.scrollLeft = 0;
        fitToolTip(element);
      } else {
        element.textContent = text;
      }
    }),
    setBackColor: (name, packed) => present(() => {
      control(name).style.backgroundColor = colour(packed);
    }),
    setVisible: (name, visible) => present(() => { control(name).hidden = !visible; }),
    message: (text) => present(() => {
      const layer = document.getElementById("MessageLayer");
      document.getElementById("MessageText").textContent = text;
      boxOpen = true;
      layer.hidden = false;
      document.getElementById("MessageOK").focus();
    }),
    closeMessage() {
      document.getElementById("MessageLayer").hidden = true;
      boxOpen = false;
      run();
    },
    showChart: (pixels, width, height) => present(() => {
      const canvas = control("Picture1").querySelector("canvas");
      if (canvas.width !== width || canvas.height !== height) {
        canvas.width = width;
        canvas.height = height;
      }
      canvas.getContext("2d").putImageData(
          new ImageData(new Uint8ClampedArray(pixels.buffer), width, height), 0, 0);
    }),
    describeChart,
    // A drawing call on the chart, told only while the tests ask for them (PageTellChart).
    chartCall: () => {},
    chartMenu: (drawn, kept) => present(() => {
      chartDrawn = drawn !== 0;
      resultsKept = kept !== 0;
      document.getElementById("CopyChart").disabled = !chartDrawn;
      document.getElementById("SaveChartPng").disabled = !chartDrawn;
      document.getElementById("SaveChartSvg").disabled = !chartDrawn;
      document.getElementById("CopyResults").disabled = !resultsKept;
    }),
    showAbout: () => {
      const about = document.getElementById("Form_About");
      about.hidden = false;
      document.getElementById("AboutClose").focus();
    },
    // A fresh window, as a new page would open it, once the module starts it again: the
    // tests' way to make many requests each on a window of its own.
    restart() {
      steps.length = 0;
      boxOpen = false;
      byName.clear();
      document.getElementById("Form1-client").replaceChildren();
      document.getElementById("MessageLayer").hidden = true;
      run();
    },
    get boxOpen() { return boxOpen; },
  };
})();
globalThis.oscPage = oscPage;

// The chart area as the window's Copy Chart takes it: the canvas's pixels with the axis letters
// where the labels show them.
function chartImage(scale) {
  const picture = document.getElementById("Picture1");
  const canvas = picture.querySelector("canvas");
  const image = document.createElement("canvas");
  image.width = Math.round(canvas.clientWidth * scale);
  image.height = Math.round(canvas.clientHeight * scale);
  const context = image.getContext("2d");
  context.imageSmoothingEnabled = false;
  context.drawImage(canvas, 0, 0, image.width, image.height);
  context.scale(scale, scale);
  for (const name of ["Label_Teta", "Label_Beta"]) {
    const label = document.getElementById(name);
    if (label.hidden)
      continue;
    const style = getComputedStyle(label);
    context.font = `${style.fontSize} ${style.fontFamily}`;
    context.textBaseline = "middle";
    context.fillStyle = style.color;
    context.fillText(label.textContent, label.offsetLeft, label.offsetTop + label.offsetHeight / 2);
  }
  return image;
}

function download(blob, name) {
  const link = document.getElementById("BatchAnswers");
  const url = URL.createObjectURL(blob);
  link.href = url;
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

function chartSvg() {
  // The chart's pixels as an image inside a drawing, with the axis letters as text.
  const image = chartImage(2).toDataURL("image/png");
  const picture = document.getElementById("Picture1").querySelector("canvas");
  const width = picture.clientWidth, height = picture.clientHeight;
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${width}" height="${height}" ` +
         `viewBox="0 0 ${width} ${height}"><image width="${width}" height="${height}" ` +
         `href="${image}"/></svg>`;
}

function setUpChartMenu() {
  const picture = document.getElementById("Picture1");
  const menu = document.getElementById("ChartMenu");
  const items = () => [...menu.querySelectorAll("button:enabled")];
  const close = () => { menu.hidden = true; };
  const open = (x, y) => {
    menu.hidden = false;
    menu.style.left = `${x}px`;
    menu.style.top = `${y}px`;
    (items()[0] || menu.querySelector("button")).focus();
  };
  picture.addEventListener("contextmenu", (event) => {
    event.preventDefault();
    picture.focus();
    open(event.clientX, event.clientY);
  });
  picture.addEventListener("mousedown", () => picture.focus());
  picture.addEventListener("keydown", (event) => {
    if ((event.shiftKey && event.key === "F10") || event.key === "ContextMenu") {
      event.preventDefault();
      const box = picture.getBoundingClientRect();
      open(box.left + 8, box.top + 8);
    } else if ((event.ctrlKey || event.metaKey) && event.key === "c") {
      event.preventDefault();
      document.getElementById("CopyChart").click();
    }
  });
  menu.addEventListener("keydown", (event) => {
    const list = items();
    const at = list.indexOf(document.activeElement);
    if (event.key === "Escape" || event.key === "Tab") {
      event.preventDefault();
      close();
      picture.focus();
    } else if (event.key === "ArrowDown" || event.key === "ArrowUp") {
      event.preventDefault();
      const step = event.key === "ArrowDown" ? 1 : list.length - 1;
      list[(at + step) % list.length]?.focus();
    }
  });
  document.addEventListener("mousedown", (event) => {
    if (!menu.contains(event.target))
      close();
  });
  const act = (id, action) => document.getElementById(id).addEventListener("click", () => {
    close();
    picture.focus();
    action();
  });
  act("CopyChart", () => chartImage(devicePixelRatio).toBlob((blob) =>
    navigator.clipboard.write([new ClipboardItem({"image/png": blob})])));
  act("SaveChartPng", () => chartImage(2).toBlob((blob) =>
    download(blob, "theta-beta-chart.png")));
  act("SaveChartSvg", () => download(new Blob([chartSvg()], {type: "image/svg+xml"}),
                                     "theta-beta-chart.svg"));
  act("CopyResults", () =>
    navigator.clipboard.writeText(Module.UTF8ToString(Module._PageResultsText())));
}

// The batch, in a worker so that the page goes on answering; the answers file downloads by
// itself when it is done.
function setUpBatch() {
  const file = document.getElementById("BatchFile");
  const progress = document.getElementById("BatchProgress");
  const status = document.getElementById("BatchStatus");
  file.addEventListener("change", () => {
    const chosen = file.files[0];
    if (!chosen)
      return;
    const worker = new Worker("batch-worker.js");
    progress.value = 0;
    status.textContent = `Answering ${chosen.name}…`;
    worker.onmessage = ({data}) => {
      if (data.progress !== undefined) {
        progress.value = data.progress;
        return;
      }
      progress.value = 1;
      status.textContent = data.notes.trim();
      download(new Blob(data.answers, {type: "text/csv"}),
               chosen.name.replace(/(\.csv)?$/i, "-answers.csv"));
      worker.terminate();
      file.value = "";
    };
    worker.postMessage(chosen);
  });
}

let Module;
CalculatorModule().then((module) => {
  Module = module;
  // The decimal mark of the browser's language, as the window reads its locale's.
  const mark = new Intl.NumberFormat(navigator.language).formatToParts(1.5)
                   .find((part) => part.type === "decimal").value;
  Module.ccall("PageStart", null, ["string", "number"], [mark, devicePixelRatio]);
  const watchRatio = () => matchMedia(`(resolution: ${devicePixelRatio}dppx)`)
                               .addEventListener("change", () => {
                                 Module._PageSetDevicePixelRatio(devicePixelRatio);
                                 watchRatio();
                               }, {once: true});
  watchRatio();
  document.getElementById("MessageOK").addEventListener("click", () => oscPage.closeMessage());
  document.getElementById("MessageLayer").addEventListener("keydown", (event) => {
    if (event.key === "Escape" || event.key === "Tab") {
      event.preventDefault();
      if (event.key === "Escape")
        oscPage.closeMessage();
    }
  });
  document.getElementById("Mn_About").addEventListener("click", () => Module._PageShowAbout());
  const about = document.getElementById("Form_About");
  document.getElementById("AboutClose").addEventListener("click", () => { about.hidden = true; });
  about.addEventListener("keydown", (event) => {
    if (event.key === "Escape")
      about.hidden = true;
  });
  setUpChartMenu();
  setUpBatch();
  document.getElementById("Text_Mn1").focus();
  document.body.dataset.ready = "true";
});
