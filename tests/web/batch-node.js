// Answers a batch file with the page's module in Node, as the page's worker does: the file in
// pieces of 64 KiB, the answers to stdout, the notes and the summary to stderr.
//     node batch-node.js calculator.js requests.csv > answers.csv
"use strict";
const fs = require("fs");
const path = require("path");

const [modulePath, requestsPath] = process.argv.slice(2);
const wasmBinary = fs.readFileSync(modulePath.replace(/\.js$/, ".wasm"));
require(path.resolve(modulePath))({ wasmBinary }).then((module) => {
  const out = fs.openSync("/dev/stdout", "w");
  const give = (pointer) => fs.writeSync(out, module.UTF8ToString(pointer));
  const input = fs.readFileSync(requestsPath);
  const pieceSize = 1 << 16;
  const piece = module._malloc(pieceSize);
  module._BatchBegin();
  for (let at = 0; at < input.length; at += pieceSize) {
    const bytes = input.subarray(at, at + pieceSize);
    module.HEAPU8.set(bytes, piece);
    give(module._BatchFeed(piece, bytes.length));
  }
  give(module._BatchFinish());
  process.stderr.write(module.UTF8ToString(module._BatchNotes()));
  module._free(piece);
});
