// A small runner for the browser tests: one chromium for the whole file, the
// player copied with a quiz into a folder of its own and opened from disk.
"use strict";

const fs = require("fs");
const os = require("os");
const path = require("path");

const SKIP = 77;
const webFolder = path.resolve(__dirname, "../../web");
const chromiumPath = process.env.TAVRIN_CHROMIUM || "/usr/bin/chromium";

function requireChromium() {
    if (!fs.existsSync(chromiumPath)) {
        console.log(`skipped: no chromium at ${chromiumPath}`);
        process.exit(SKIP);
    }
    try {
        return require("playwright-core").chromium;
    } catch (error) {
        console.log("playwright-core is missing: run scripts/setup (npm ci in tests/web)");
        throw error;
    }
}

async function launch() {
    const chromium = requireChromium();
    return chromium.launch({ executablePath: chromiumPath, args: ["--no-sandbox"] });
}

const temp = fs.mkdtempSync(path.join(os.tmpdir(), "tavrin-web-"));
process.on("exit", () => fs.rmSync(temp, { recursive: true, force: true }));
let folders = 0;

// The player's files, the quiz as quiz-data.js and `media` ({name: bytes}).
function quizFolder(quiz, media) {
    const folder = path.join(temp, `quiz${++folders}`);
    fs.mkdirSync(path.join(folder, "media"), { recursive: true });
    for (const name of fs.readdirSync(webFolder))
        if (name !== "FORMAT.md") fs.copyFileSync(path.join(webFolder, name), path.join(folder, name));
    fs.writeFileSync(path.join(folder, "quiz-data.js"),
        `window.TAVRIN_QUIZ = ${JSON.stringify(quiz)};\n`);
    for (const [name, bytes] of Object.entries(media || {}))
        fs.writeFileSync(path.join(folder, "media", name), bytes);
    return folder;
}

// The JSON document of an exported quiz-data.js, which assigns exactly that.
function exportedQuiz(folder) {
    const script = fs.readFileSync(path.join(folder, "quiz-data.js"), "utf8");
    const prefix = "window.TAVRIN_QUIZ = ";
    if (!script.startsWith(prefix) || !script.endsWith(";\n"))
        throw new Error(`quiz-data.js in ${folder} is not one assignment`);
    return JSON.parse(script.slice(prefix.length, -2));
}

function fileUrl(file) {
    return "file://" + file.split(path.sep).map(encodeURIComponent).join("/");
}

// Opens a quiz written here, or the index page of a folder made elsewhere.
async function openQuiz(browser, quiz, media, indexFile) {
    const page = await browser.newPage({ acceptDownloads: true });
    page.errors = [];
    page.on("pageerror", (error) => page.errors.push(String(error)));
    page.setDefaultTimeout(5000);
    await page.goto(fileUrl(indexFile || path.join(quizFolder(quiz, media), "index.html")));
    return page;
}

// A platform serves its packages over HTTP, where frames of one site may
// reach each other (file pages may not). Serves `folder` on a free port.
function serve(folder) {
    const http = require("http");
    const types = { ".html": "text/html", ".js": "text/javascript", ".css": "text/css" };
    const server = http.createServer((request, response) => {
        const name = path.normalize(decodeURIComponent(new URL(request.url, "http://x").pathname));
        const file = path.join(folder, name);
        if (!file.startsWith(folder) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
            response.writeHead(404);
            response.end();
            return;
        }
        response.writeHead(200, { "Content-Type": types[path.extname(file)] || "application/octet-stream" });
        fs.createReadStream(file).pipe(response);
    });
    return new Promise((resolve) => server.listen(0, "127.0.0.1", () => {
        server.unref();
        resolve(`http://127.0.0.1:${server.address().port}`);
    }));
}

const cases = [];
function test(name, fn) {
    cases.push({ name, fn });
}

async function run() {
    const browser = await launch();
    let failed = 0;
    for (const { name, fn } of cases) {
        try {
            const start = Date.now();
            await fn(browser);
            console.log(`ok   ${name} (${Date.now() - start} ms)`);
        } catch (error) {
            failed += 1;
            console.log(`FAIL ${name}\n${error && error.stack ? error.stack : error}`);
        }
    }
    await browser.close();
    console.log(`${cases.length - failed} of ${cases.length} passed`);
    process.exit(failed ? 1 : 0);
}

module.exports = { test, run, launch, openQuiz, quizFolder, exportedQuiz, fileUrl, serve, temp,
    webFolder };
