#!/usr/bin/env node
// qiro-batch on Node: the WebAssembly module answers JSON Lines on standard input, one
// reply line per request, byte for byte as the native tool writes it, with its exit status
// (0 every request succeeded, 1 some failed, 2 the input could not be read) and its --help.
// Lines are handled as bytes, not text: a request with broken UTF-8 gets the same reply.
import fs from "node:fs";

import createQiroModule from "./qiro-module.mjs";

const module = await createQiroModule();

const args = process.argv.slice(2);
for (const arg of args) {
  if (arg === "--help" || arg === "-h") {
    process.stdout.write(module.UTF8ToString(module._qiro_help()));
    process.exit(0);
  }
  process.stderr.write(`qiro-batch: unknown option ${arg} (see --help)\n`);
  process.exit(2);
}

// One buffer in the module's memory holds each request, grown when a longer one comes.
let requestAddress = 0;
let requestCapacity = 0;
let allOk = true;

function reply(line) {
  if (line.length > requestCapacity) {
    if (requestAddress) module._free(requestAddress);
    requestCapacity = Math.max(line.length, 2 * requestCapacity, 4096);
    requestAddress = module._malloc(requestCapacity);
  }
  module.HEAPU8.set(line, requestAddress);
  const address = module._qiro_reply(requestAddress, line.length);
  allOk = allOk && module._qiro_reply_ok() === 1;
  // Read the memory after the call: a growing heap replaces the view.
  return Buffer.from(module.HEAPU8.subarray(address, address + module._qiro_reply_length()));
}

const LF = 0x0a;
const CR = 0x0d;
const blank = (line) => line.every((byte) => byte === 0x20 || byte === 0x09);

// As std::getline: a line ends at LF; a CR before it goes; blank lines are skipped.
function answer(line, replies) {
  if (line.length > 0 && line[line.length - 1] === CR) line = line.subarray(0, line.length - 1);
  if (blank(line)) return;
  replies.push(reply(line), Buffer.of(LF));
}

// A descriptor another program left non-blocking reports EAGAIN now and then: wait a moment.
const pause = new Int32Array(new SharedArrayBuffer(4));
function retrying(operation) {
  for (;;) {
    try {
      return operation();
    } catch (error) {
      if (error.code !== "EAGAIN") throw error;
      Atomics.wait(pause, 0, 0, 1);
    }
  }
}

function write(buffers) {
  const all = Buffer.concat(buffers);
  for (let done = 0; done < all.length;) done += retrying(() => fs.writeSync(1, all, done));
}

// Read as it comes, so that a script waiting for each reply gets it; replies of one read go
// out together. A read error (standard input is a folder) ends the run with status 2.
const chunk = Buffer.alloc(1 << 16);
let pending = [];
let status = 0;
for (;;) {
  let count = 0;
  try {
    count = retrying(() => fs.readSync(0, chunk, 0, chunk.length, null));
  } catch {
    status = 2;
  }
  const replies = [];
  if (count === 0) {
    if (pending.length) answer(Buffer.concat(pending), replies);
    write(replies);
    break;
  }
  const piece = chunk.subarray(0, count);
  let start = 0;
  for (let end = piece.indexOf(LF); end >= 0; end = piece.indexOf(LF, start)) {
    const part = piece.subarray(start, end);
    answer(pending.length ? Buffer.concat([...pending, part]) : part, replies);
    pending = [];
    start = end + 1;
  }
  if (start < count) pending.push(Buffer.from(piece.subarray(start)));
  write(replies);
}
process.exitCode = status === 2 ? 2 : allOk ? 0 : 1;
