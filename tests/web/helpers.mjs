// What the page's tests share: the site served on 127.0.0.1, Debian's chromium, keys and files.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
import { spawn } from "node:child_process";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import path from "node:path";
import { chromium } from "playwright-core";

const require = createRequire(import.meta.url);

export const site = process.env.VELORIA_SITE || path.resolve("../../build/web/site");
export const fixtures = process.env.VELORIA_FIXTURES || "/tmp/veloria-fixtures";
export const shots = process.env.VELORIA_SCREENSHOTS || "";
export const fixture = (name) => path.join(fixtures, name);

// python3's http.server on a free port of 127.0.0.1; resolves with its address and a stop().
export function serve() {
  return new Promise((resolve, reject) => {
    const server = spawn("python3", ["-u", "-m", "http.server", "--bind", "127.0.0.1", "--directory", site, "0"], { stdio: ["ignore", "pipe", "pipe"] });
    let said = "";
    server.stdout.on("data", (chunk) => {
      said += chunk;
      const port = /port (\d+)/.exec(said);
      if (port) resolve({ url: "http://127.0.0.1:" + port[1] + "/", stop: () => server.kill() });
    });
    server.on("exit", (code) => reject(new Error("http.server ended: " + code)));
  });
}

export async function launch() {
  return chromium.launch({ executablePath: process.env.VELORIA_CHROMIUM || "/usr/bin/chromium", headless: true, args: ["--no-sandbox"] });
}

// A page of the game, ready for a name; the errors it throws fail the test that reads them.
export async function openGame(browser, url, options = {}) {
  const context = await browser.newContext({ locale: options.locale || "ru-RU", viewport: options.viewport || { width: 1280, height: 800 }, acceptDownloads: true });
  const page = await context.newPage();
  page.errors = [];
  page.on("pageerror", (error) => page.errors.push(error.message));
  await page.goto(url);
  await page.waitForSelector("html[data-ready=true]");
  return page;
}

export const named = (name) => '[data-name="' + name + '"]';
export const focusedName = (page) => page.evaluate(() => document.activeElement && document.activeElement.getAttribute("data-name"));

// Tab (forwards only) until the control of that name has the keyboard: the page is played with
// the keys a player has, never with a click.
export async function tabTo(page, name, limit = 80) {
  for (let i = 0; i < limit; ++i) {
    if ((await focusedName(page)) === name) return;
    await page.keyboard.press("Tab");
  }
  throw new Error("Tab never reached " + name);
}

export async function begin(page, name) {
  await page.keyboard.type(name);
  await page.keyboard.press("Enter");
  await page.waitForSelector("#Form1:not([hidden])");
}

export const text = (page, name) => page.textContent("#Form1 " + named(name));

// Loads a saved game through the load dialog: F4, the file (the browser's own picker is the one
// step no key reaches), then its button by the keyboard.
export async function loadGame(page, file) {
  const loads = await page.evaluate(() => Number(document.documentElement.dataset.loads || 0));
  await page.keyboard.press("F4");
  await page.waitForSelector("#Form4[open]");
  await page.setInputFiles("#Form4 " + named("txtFileName"), file);
  await tabTo(page, "Command1");
  await page.keyboard.press("Enter");
  await page.waitForFunction((before) => Number(document.documentElement.dataset.loads || 0) > before, loads);
}

// The live region's every change, in order.
export async function listen(page) {
  await page.evaluate(() => {
    window.told = [];
    new MutationObserver(() => window.told.push(document.getElementById("announcer").textContent)).observe(document.getElementById("announcer"), { childList: true, characterData: true, subtree: true });
  });
}

export async function axeViolations(page) {
  await page.addScriptTag({ content: readFileSync(require.resolve("axe-core/axe.min.js"), "utf8") });
  return page.evaluate(async () => {
    const result = await window.axe.run(document, { resultTypes: ["violations"] });
    return result.violations.map((v) => v.id + ": " + v.nodes.map((n) => n.target.join(" ")).join(", "));
  });
}

export const readBytes = (file) => readFileSync(file);
