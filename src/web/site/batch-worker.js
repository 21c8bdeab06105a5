"use strict";
// Answers the chosen batch file with the module's batch, in pieces of 64 KiB, telling the page
// how far it has come; the answers and the notes go back to it at the end.
importScripts("calculator.js");

onmessage = async ({data: file}) => {
  const module = await CalculatorModule();
  const pieceSize = 1 << 16;
  const piece = module._malloc(pieceSize);
  const answers = [];
  module._BatchBegin();
  let told = 0;
  for (let at = 0; at < file.size; at += pieceSize) {
    const bytes = new Uint8Array(await file.slice(at, at + pieceSize).arrayBuffer());
    module.HEAPU8.set(bytes, piece);
    answers.push(module.UTF8ToString(module._BatchFeed(piece, bytes.length)));
    const done = (at + bytes.length) / file.size;
    if (done - told >= 0.01) {
      postMessage({progress: done});
      told = done;
    }
  }
  answers.push(module.UTF8ToString(module._BatchFinish()));
  module._free(piece);
  postMessage({answers, notes: module.UTF8ToString(module._BatchNotes())});
};
