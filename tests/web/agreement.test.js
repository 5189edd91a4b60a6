// The desktop player and the web player agree: each example quiz, compiled
// and played by the quiz runner with a scripted learner, and exported and
// played in chromium with the same answers, gives the same results text apart
// from the asking order, and the same score group.
"use strict";

const assert = require("assert/strict");
const fs = require("fs");
const path = require("path");
const { execFileSync } = require("child_process");
const { test, run, openQuiz, exportedQuiz, temp } = require("./harness");
const learner = require("./learner");

const programDir = process.env.TAVRIN_PROGRAM_DIR;
const cli = path.join(programDir || "", "tavrin-cli");
const runner = path.join(programDir || "", "vorlandt.exe");

// Settings bytes of the quiz file: switches the two runs must share.
const TAKE_ALL = 5, PREVIEW = 6, REVIEW = 7, TO_DISK = 8, TO_PRINTER = 90, SWAP = 91;

function prepare(example) {
    const folder = path.join(temp, "desktop", example);
    fs.cpSync(path.join(programDir, "examples", example), folder, { recursive: true });
    const quizFile = fs.readdirSync(folder).find((n) => /\.(QAJ|TIJ|MCJ)$/.test(n));
    const file = path.join(folder, quizFile);
    const settings = fs.readFileSync(file);
    for (const [at, value] of [[TAKE_ALL, 1], [PREVIEW, 0], [REVIEW, 0], [TO_DISK, 1],
        [TO_PRINTER, 0], [SWAP, 1]]) settings[at] = value;
    fs.writeFileSync(file, settings);
    return { folder, file, base: quizFile.slice(0, -4), ext: quizFile.slice(-3, -1) };
}

// Every other question answered wrongly, from the exported data.
function answersFor(quiz) {
    const answers = {};
    quiz.records.forEach((r, i) => {
        const right = i % 2 === 0;
        if (quiz.kind === 1) answers[r.identifier] = right ? r.answer : null;
        else if (quiz.kind === 2) answers[r.identifier] = right ? r.matches.find((m) => m) : "~none~";
        else answers[r.identifier] = right ? r.correctAnswer : r.wrongAnswers.find((w) => w);
    });
    return answers;
}

// The desktop's scripted learner takes "[ID] answer" lines; a match question
// answered wrongly gets another question's answer.
function script(quiz, answers) {
    return quiz.records.map((r, i) => {
        let answer = answers[r.identifier];
        if (answer === null) answer = quiz.records[(i + 1) % quiz.records.length].answer;
        return `[${r.identifier}] ${answer}`;
    }).join("\n") + "\n";
}

function sections(text) {
    const lines = text.split("\r\n");
    const wrongAt = lines.indexOf("WRONG");
    return { head: lines.slice(0, 7), correct: lines.slice(7, wrongAt - 1).sort(),
        wrong: lines.slice(wrongAt + 1, -1).sort(), tail: lines[lines.length - 1] };
}

for (const example of ["CAPITALS", "MUSIC", "SOLAR"]) {
    test(`${example}: desktop and browser give the same results`, async (browser) => {
        const quiz = prepare(example);
        execFileSync(cli, ["compile", quiz.file], { stdio: "pipe" });
        const web = path.join(temp, "web", example);
        execFileSync(cli, ["export-web", quiz.file, web], { stdio: "pipe" });
        const data = exportedQuiz(web);
        const answers = answersFor(data);
        if (data.kind === 1) {
            // A wrong match on the web takes the same other answer as the script.
            data.records.forEach((r, i) => {
                if (answers[r.identifier] === null)
                    answers[r.identifier] = data.records[(i + 1) % data.records.length].answer;
            });
        }
        const scriptFile = path.join(temp, `${example}.txt`);
        fs.writeFileSync(scriptFile, script(data, answersFor(data)));
        execFileSync(runner, [`${quiz.base}.${quiz.ext}C`], { cwd: quiz.folder, stdio: "pipe",
            timeout: 60000, env: Object.assign({}, process.env, {
                QT_QPA_PLATFORM: "offscreen", TAVRIN_PLAYER_SCRIPT: scriptFile }) });
        const desktop = fs.readFileSync(path.join(quiz.folder, `${quiz.base}.${quiz.ext}D`), "latin1");
        const group = fs.readFileSync(path.join(quiz.folder, `${quiz.base}.${quiz.ext}S`), "latin1");

        const page = await openQuiz(browser, null, null, path.join(web, "index.html"));
        await learner.playToResults(page, data, answers);
        const browserText = await learner.takeResultsText(page);
        assert.deepEqual(sections(browserText), sections(desktop));
        assert.ok(sections(desktop).correct.length > 0 && sections(desktop).wrong.length > 0);
        assert.equal(await page.getAttribute("body", "data-score-group") + "\r\n", group);
        if (example === "MUSIC") await expectTunePlays(page, data.topics.SCALE.media.sound);
        assert.deepEqual(page.errors, []);
    });
}

// The example's MIDI tune, rendered to Ogg at export, is one chromium decodes:
// an empty or unplayable rendering has no length.
async function expectTunePlays(page, sound) {
    assert.match(sound, /\.ogg$/);
    const seconds = await page.evaluate((src) => new Promise((resolve) => {
        const audio = new Audio(src);
        audio.onloadedmetadata = () => resolve(audio.duration);
        audio.onerror = () => resolve(-1);
    }), `media/${sound}`);
    assert.ok(seconds > 1, `${sound} lasts ${seconds} s`);
}

run();
