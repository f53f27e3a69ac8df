// Benchmarks of the page (figures, not pass or fail): its weight without the pictures, gzipped;
// navigation to a usable name prompt beside a blank page, median of 15; «Дальше» to the report
// drawn, median of 60. Usage: node bench.mjs (the site from VELORIA_SITE, else build/web/site)
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
import { readFileSync, readdirSync, writeFileSync, rmSync } from "node:fs";
import path from "node:path";
import { gzipSync } from "node:zlib";

import { launch, serve, site } from "./helpers.mjs";

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
};
const kb = (bytes) => (bytes / 1024).toFixed(1) + " KB";

// The weight: every file the page loads, pictures and the rules left out.
const files = readdirSync(site).filter((f) => /\.(html|css|js|wasm)$/.test(f));
let raw = 0;
let packed = 0;
for (const file of files) {
  const bytes = readFileSync(path.join(site, file));
  raw += bytes.length;
  packed += gzipSync(bytes, { level: 9 }).length;
}
const catalogue = gzipSync(readFileSync(path.join(site, "veloria_en.json")), { level: 9 }).length;
console.log("weight: " + files.join(", ") + ": " + kb(raw) + ", gzipped " + kb(packed) + " (English catalogue gzipped " + kb(catalogue) + " more)");

const blank = path.join(site, "bench-blank.html");
writeFileSync(blank, "<!DOCTYPE html><title>blank</title><script>addEventListener('load', () => document.documentElement.dataset.readyAt = String(performance.now()))</script>");
const server = await serve();
const browser = await launch();
try {
  const timeToReady = async (url) => {
    const times = [];
    for (let i = 0; i < 15; ++i) {
      const context = await browser.newContext();
      const page = await context.newPage();
      await page.goto(url);
      await page.waitForSelector("html[data-ready-at]", { state: "attached" });
      times.push(Number(await page.evaluate(() => document.documentElement.dataset.readyAt)));
      await context.close();
    }
    return median(times);
  };
  const game = await timeToReady(server.url);
  const empty = await timeToReady(server.url + "bench-blank.html");
  console.log("navigation to a usable name prompt: median " + game.toFixed(1) + " ms; a blank page " + empty.toFixed(1) + " ms; ratio " + (game / empty).toFixed(2));

  const page = await browser.newPage();
  await page.goto(server.url);
  await page.waitForSelector("html[data-ready=true]");
  await page.keyboard.type("Пётр");
  await page.keyboard.press("Enter");
  const presses = await page.evaluate(async () => {
    const handler = [];
    const painted = [];
    const frame = () => new Promise((resolve) => requestAnimationFrame(() => resolve()));
    for (let i = 0; i < 60; ++i) {
      const next = document.querySelector('[data-name="dalshe"]');
      if (next.disabled) document.querySelector('[data-name="Command3"]').click();
      if (document.querySelector("dialog[open]")) document.querySelectorAll("dialog[open]").forEach((d) => d.close());
      if (document.getElementById("Form1").hidden) {
        document.querySelector('[data-name="Text1"]').value = "Пётр";
        document.querySelector('[data-name="nameForm"]').requestSubmit();
      }
      await frame();
      const start = performance.now();
      document.querySelector('[data-name="dalshe"]').click();
      handler.push(performance.now() - start);
      await frame();
      painted.push(performance.now() - start);
    }
    return { handler, painted };
  });
  console.log("«Дальше» to the report: handler median " + median(presses.handler).toFixed(2) + " ms (max " + Math.max(...presses.handler).toFixed(2) + "); to the next frame median " + median(presses.painted).toFixed(2) + " ms");
} finally {
  await browser.close();
  server.stop();
  rmSync(blank);
}
