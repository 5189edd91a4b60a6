// The player inside a learning platform's frame, whose API is scorm-again's
// SCORM 1.2 run-time: after a run the API holds the score, the status and one
// interaction per asked question; a quit leaves the lesson incomplete.
"use strict";

const assert = require("assert/strict");
const fs = require("fs");
const path = require("path");
const { execFileSync } = require("child_process");
const { test, run, quizFolder, exportedQuiz, serve, temp } = require("./harness");
const f = require("./fixtures");
const learner = require("./learner");

const scormAgain = path.join(__dirname, "node_modules/scorm-again/dist/scorm12.js");

// A platform page: the API on the top window, the quiz three frames down so
// that the player has to search its parents, or (popup.html) no frames: the
// page opens the quiz in a window of its own. `launch` is the SCO's page.
function platformPage(folder, launch = "index.html") {
    const api = `<!DOCTYPE html>
<script src="scorm12.js"></script>
<script>
window.calls = [];
window.API = new Scorm12API({ logLevel: 5, autocommit: false });
["LMSInitialize", "LMSCommit", "LMSFinish"].forEach(function (name) {
    var real = window.API[name].bind(window.API);
    window.API[name] = function (arg) { window.calls.push(name); return real(arg); };
});
</script>`;
    fs.copyFileSync(scormAgain, path.join(folder, "scorm12.js"));
    fs.writeFileSync(path.join(folder, "frame.html"),
        `<!DOCTYPE html><iframe id=inner src="${launch}" width=900 height=700></iframe>`);
    fs.writeFileSync(path.join(folder, "platform.html"),
        `${api}<iframe id=outer src="frame.html" width=1000 height=800></iframe>`);
    fs.writeFileSync(path.join(folder, "popup.html"), api);
    return folder;
}

// The platform page with the player in its frames, or opened by it in a popup.
async function openInPlatform(browser, quiz, folder, launch, popup = false) {
    const page = await browser.newPage();
    page.setDefaultTimeout(5000);
    const site = await serve(platformPage(folder || quizFolder(quiz), launch));
    if (popup) {
        await page.goto(`${site}/popup.html`);
        const [player] = await Promise.all([page.waitForEvent("popup"),
            page.evaluate(() => { window.open("index.html", "quiz"); })]);
        player.setDefaultTimeout(5000);
        return { page, player };
    }
    await page.goto(`${site}/platform.html`);
    const outer = await (await page.waitForSelector("#outer")).contentFrame();
    const player = await (await outer.waitForSelector("#inner")).contentFrame();
    return { page, player };
}

// The API's data as it would commit it (several elements are write-only).
async function apiState(page) {
    const { calls, cmi } = await page.evaluate(() =>
        ({ calls: window.calls, cmi: JSON.parse(JSON.stringify(window.API.cmi)) }));
    const interactions = Object.values(cmi.interactions || {}).map((i) => [i.id, i.type, i.result]);
    const { raw, min, max } = cmi.core.score;
    return { calls, raw, min, max, status: cmi.core.lesson_status, interactions };
}

test("a finished run reports score, status and every question", async (browser) => {
    const quiz = f.quiz(2, [
        f.ti("CITY", "Which city lies on the Seine?", ["PARIS"]),
        f.ti("RIVER", "Which river flows through Paris?", ["Seine"]),
        f.ti("PEAK ONE", "Highest peak of the Alps?", ["Blanc"]),
    ], { passPercentage: 60 });
    const { page, player } = await openInPlatform(browser, quiz);
    await learner.playToResults(player, quiz, { CITY: "Paris", RIVER: "Thames", "PEAK ONE": "blanc" });
    await player.click("#TResultsForm #OKBtn");
    const state = await apiState(page);
    assert.deepEqual([state.raw, state.min, state.max, state.status], ["66", "0", "100", "passed"]);
    // The asking order is random: compared as a set.
    assert.deepEqual(state.interactions.sort(), [["CITY", "fill-in", "correct"],
        ["PEAK_ONE", "fill-in", "correct"], ["RIVER", "fill-in", "wrong"]]);
    await page.close();
});

// The quit is played in a popup, which finds the API of the page that opened
// it: Esc asks with the quiz's own warning, No stays, Yes ends without results.
test("a score below the pass percentage fails; a quit stays incomplete", async (browser) => {
    const quiz = f.quiz(3, [f.mc("A", "Pick", "Right", ["Wrong"]), f.mc("B", "Pick again", "Yes", ["No"])], {
        passPercentage: 51,
        customTexts: Object.assign(f.settings().customTexts, { quitConfirmation: "Really leave?" }),
    });
    let { page, player } = await openInPlatform(browser, quiz);
    await learner.playToResults(player, quiz, { A: "Right", B: "No" });
    await player.click("#TResultsForm #OKBtn");
    let state = await apiState(page);
    assert.deepEqual([state.raw, state.status], ["50", "failed"]);
    assert.deepEqual(state.interactions.map((i) => i[1]), ["choice", "choice"]);
    await page.close();

    ({ page, player } = await openInPlatform(browser, quiz, null, undefined, true));
    await player.waitForSelector("#TMCDisplayForm");
    await player.keyboard.press("Escape");
    assert.equal(await player.textContent(".message .message-text"), "Really leave?\n");
    await player.click("#NoBtn");
    await player.click("#TMCDisplayForm #BitBtn1");
    await player.click("#YesBtn");
    await player.waitForSelector("#Ended");
    state = await apiState(page);
    assert.deepEqual([state.raw, state.status, state.interactions.length], ["", "incomplete", 0]);
    assert.deepEqual(state.calls, ["LMSInitialize", "LMSCommit", "LMSFinish"]);
    await page.close();
});

test("the exported SCORM package of an example quiz reports to the platform", async (browser) => {
    const programDir = process.env.TAVRIN_PROGRAM_DIR;
    const folder = path.join(temp, "package");
    const zip = path.join(temp, "solar.zip");
    execFileSync(path.join(programDir, "tavrin-cli"), ["export-web",
        path.join(programDir, "examples/SOLAR/SOLAR.QAJ"), zip, "--scorm"], { stdio: "pipe" });
    execFileSync("unzip", ["-q", zip, "-d", folder]);
    const manifest = fs.readFileSync(path.join(folder, "imsmanifest.xml"), "utf8");
    const launch = /adlcp:scormtype="sco"[^>]*href="([^"]+)"/.exec(manifest)[1];
    const quiz = exportedQuiz(folder);
    const answers = {};
    quiz.records.forEach((r) => { answers[r.identifier] = r.answer; });
    const { page, player } = await openInPlatform(browser, null, folder, launch);
    await learner.playToResults(player, quiz, answers);
    await player.click("#TResultsForm #OKBtn");
    const state = await apiState(page);
    assert.deepEqual([state.raw, state.status], ["100", "passed"]);
    await page.close();
});

run();
