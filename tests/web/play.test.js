// Each kind of quiz played to the end in chromium, by mouse and by keys.
"use strict";

const assert = require("assert/strict");
const { test, run, openQuiz } = require("./harness");
const f = require("./fixtures");
const learner = require("./learner");

// Which typed answers are accepted is the rules' table; here the display, the
// results file offered for download and the print of the same text.
test("typed answers to the results: saved, downloaded and printed", async (browser) => {
    const quiz = f.quiz(2, [
        f.ti("CITY", "Which city lies on the Seine?", ["PARIS"]),
        f.ti("NY", "Which city never sleeps?", ["New York"]),
        f.ti("EMPTY", "Nothing accepts this", []),
    ], { saveResultsToDisk: true, saveResultsToPrinter: true, titleBarText: "Cities" });
    const page = await openQuiz(browser, quiz);
    await learner.playToResults(page, quiz, {
        CITY: "the capital is parisian", NY: "new  york", EMPTY: "",
    });
    assert.deepEqual(await learner.readResults(page), { asked: "3", correct: "1", passed: "no" });
    const text = await learner.takeResultsText(page);
    assert.ok(text.startsWith("Cities\r\n\r\nQuestions Answered = 3\r\nQuestions Correct = 1\r\n"), text);
    assert.equal(await page.textContent("#ResultsSaved .message-text"),
        "The Quiz results have been saved to DEMO.TID");
    await page.click("#ResultsSaved #OKBtn");
    await page.evaluate(() => { window.print = () => { window.printed = document.getElementById("print-area").textContent; }; });
    assert.equal(await page.textContent(".message .message-text"), "Do you want to print the Results?\n");
    await page.click("#YesBtn");
    assert.equal(await page.evaluate(() => window.printed), text.replace(/\r\n/g, "\n"));
    assert.deepEqual(page.errors, []);
});

test("multiple choice by keys, the last question with Continue",
    async (browser) => {
        const quiz = f.quiz(3, [
            f.mc("SUN", "Which is a star?", "The Sun", ["Mars", "", "Venus"]),
            f.mc("ONE", "Only one option", "Alone", []),
        ]);
        const page = await openQuiz(browser, quiz);
        await learner.playToResults(page, quiz, { SUN: "Mars", ONE: "Alone" }, { useKeys: true });
        assert.deepEqual(await learner.readResults(page), { asked: "2", correct: "1", passed: "yes" });
        assert.deepEqual(page.errors, []);
    });

// How many pairs a page holds is the rules' page plan; the match quiz by mouse
// is the agreement test's SOLAR.
test("match pages: 11 questions on two pages, by keys", async (browser) => {
    const records = [];
    for (let i = 1; i <= 11; ++i) records.push(f.qa(`Q${i}`, `Question ${i}`, `Answer ${i}`));
    const quiz = f.quiz(1, records);
    const answers = {};
    records.forEach((r, i) => { answers[r.identifier] = i < 3 ? null : r.answer; });
    const page = await openQuiz(browser, quiz);
    assert.equal(await learner.playToResults(page, quiz, answers, { useKeys: true }), 2);
    assert.deepEqual(await learner.readResults(page), { asked: "11", correct: "8", passed: "yes" });
    assert.deepEqual(page.errors, []);
});

test("a match page: Quit on the last page disappears once every pair is matched", async (browser) => {
    const quiz = f.quiz(1, [f.qa("A", "Qa", "Aa"), f.qa("B", "Qb", "Ab")]);
    const page = await openQuiz(browser, quiz);
    await page.dblclick("#QuestLbl1");
    await page.click("#QuestLbl2"); // ignored while an answer is awaited
    await page.dblclick("#AnsLbl1");
    assert.ok(await page.isVisible("#BitBtn1"));
    assert.ok(await page.getAttribute("#QuestLbl1", "class").then((c) => c.includes("disabled")));
    await page.keyboard.press("Enter");
    await page.keyboard.press("Enter");
    assert.equal(await page.textContent("#QDoneLbl"), "2");
    assert.ok(!(await page.isVisible("#BitBtn1")));
    assert.ok(await page.isVisible("#BitBtn2"));
    await page.click("#BitBtn2");
    await page.waitForSelector("#TResultsForm");
});

test("quiz texts are shown as text: markup in a question stays visible and inert", async (browser) => {
    const quiz = f.quiz(3, [f.mc("<b>ID</b>", "<b>bold?</b><img src=x onerror=\"window.hit=1\">",
        "<i>yes</i>", ["<script>window.hit=2</script>"])], { titleBarText: "<u>T</u>" });
    const page = await openQuiz(browser, quiz);
    assert.equal(await page.textContent("#QuestLbl1"),
        "<b>bold?</b><img src=x onerror=\"window.hit=1\">");
    assert.equal(await page.$$eval("#TMCDisplayForm b, #TMCDisplayForm img, #TMCDisplayForm i",
        (n) => n.length), 0);
    assert.equal(await page.textContent("#Panel1"), "<u>T</u>");
    await page.dblclick("#AnsLbl1");
    assert.equal(await page.evaluate(() => window.hit), undefined);
});

// The count kept within 1..total is the rules' clamp; the field applies it as typed.
test("question count dialog clamps what is typed; Esc asks all", async (browser) => {
    const records = [f.ti("A", "a", ["a"]), f.ti("B", "b", ["b"]), f.ti("C", "c", ["c"])];
    const quiz = f.quiz(2, records, { takeAllQuestions: false });
    let page = await openQuiz(browser, quiz);
    await page.fill("#SpinEdit1", "0");
    await page.dispatchEvent("#SpinEdit1", "input");
    await page.click("#OKBtn");
    assert.equal(await page.textContent("#ShowTquestlbl"), "1");
    page = await openQuiz(browser, quiz);
    await page.waitForSelector("#SpinEdit1");
    await page.keyboard.press("Escape");
    assert.equal(await page.textContent("#ShowTquestlbl"), "3");
});

// A 1x1 PNG and a short silent WAV, written as the exporter would copy them.
const PNG = Buffer.from("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8DwHwAFBQIAX8jx0gAAAABJRU5ErkJggg==", "base64");
function wav() {
    const data = Buffer.alloc(800);
    const head = Buffer.alloc(44);
    head.write("RIFF", 0); head.writeUInt32LE(36 + data.length, 4); head.write("WAVEfmt ", 8);
    head.writeUInt32LE(16, 16); head.writeUInt16LE(1, 20); head.writeUInt16LE(1, 22);
    head.writeUInt32LE(8000, 24); head.writeUInt32LE(8000, 28); head.writeUInt16LE(1, 32);
    head.writeUInt16LE(8, 34); head.write("data", 36); head.writeUInt32LE(data.length, 40);
    return Buffer.concat([head, data.fill(128)]);
}

const DESIGN = { vpBack: 0xffffff, fullscreen: false, displaytype: 1, sBackColor: 0xc0c0c0,
    sGraphic: "", sWallpaper: "", vpLeft: 120, vpTop: 80, vpWidth: 400, vpHeight: 200 };

test("study information: picture with sound, a tune, formatted text, a missing file",
    async (browser) => {
        const records = ["PIC", "TUNE", "TEXT", "GONE", "NONE"].map((id) =>
            f.ti(id, `Question ${id}`, ["x"], { hasInformation: id !== "NONE" }));
        const quiz = f.quiz(2, records, {}, { topics: {
            PIC: { linkType: 6, caption: "", media: { picture: "MAP.PNG", sound: "HELLO.WAV",
                video: "", displayMilliseconds: 0 } },
            TUNE: { linkType: 8, caption: "", media: { picture: "", sound: "TUNE.ogg", video: "",
                displayMilliseconds: 0 } },
            TEXT: { linkType: 1, caption: "", design: DESIGN,
                html: "<p>The <b>Seine</b><script>window.hit=1</script><img src=x onerror=\"window.hit=2\"></p>" },
            GONE: { linkType: 2, caption: "", media: { picture: "NOWHERE.JPG", sound: "", video: "",
                displayMilliseconds: 0 } },
        } });
        // The tune is a wave under an Ogg name: chromium plays it by its content.
        const page = await openQuiz(browser, quiz, { "MAP.PNG": PNG, "HELLO.WAV": wav(), "TUNE.ogg": wav() });
        for (let n = 0; n < records.length; ++n) {
            const id = (await page.textContent("#QuestLbl1")).split(" ")[1];
            assert.ok(!(await page.isVisible("#Button1")), `information before the answer of ${id}`);
            await page.fill("#Edit1", "x");
            await page.press("#Edit1", "Enter");
            assert.equal(await page.isVisible("#Button1"), id !== "NONE", id);
            if (id === "PIC") {
                await page.click("#Button1");
                await page.waitForFunction(() => {
                    const img = document.querySelector("#TShowMultForm img");
                    return img && img.naturalWidth === 1;
                });
                await page.click("#TShowMultForm .window-client", { button: "right" });
            } else if (id === "TUNE") {
                await page.click("#Button1");
                await page.waitForFunction(() => document.querySelector("#TMediaPlayForm audio").readyState > 0);
                assert.equal(await page.textContent("#TMediaPlayForm .window-title"), "Press the Start button");
                await page.keyboard.press("Escape");
            } else if (id === "TEXT") {
                await page.click("#Button1");
                assert.equal(await page.textContent("#TShowHTextForm b"), "Seine");
                // The frame at the view port's corner in the design area centred on the
                // page, all of it halved on a page half the design area's size.
                // The page lays the frame out again after its resize event, so the
                // position is awaited before it is compared.
                const corner = async (expected) => {
                    await page.waitForFunction(([x, y]) => {
                        const box = document.querySelector("#TShowHTextForm").getBoundingClientRect();
                        return box.x === x && box.y === y;
                    }, expected, { timeout: 5000 }).catch(() => {});
                    const box = await page.locator("#TShowHTextForm").boundingBox();
                    return [box.x, box.y];
                };
                const centred = [(1280 - 640) / 2 + 120, (720 - 480) / 2 + 80];
                assert.deepEqual(await corner(centred), centred);
                await page.setViewportSize({ width: 320, height: 240 });
                assert.deepEqual(await corner([60, 40]), [60, 40]);
                await page.setViewportSize({ width: 1280, height: 720 });
                assert.equal(await page.$$eval("#TShowHTextForm script, #TShowHTextForm img[onerror]",
                    (n) => n.length), 0);
                await page.keyboard.press("Escape");
            } else if (id === "GONE") {
                await page.click("#Button1");
                assert.equal(await page.textContent(".message.error .message-text"),
                    "The file NOWHERE.JPG is missing");
                await page.click(".message #OKBtn");
            }
            assert.equal(await page.$$eval(".layer", (n) => n.length), 1, `${id} left a window open`);
            await page.click("button:visible:is(#NextBitBtn, #continuebitbtn)");
        }
        await page.waitForSelector("#TResultsForm");
        assert.equal(await page.evaluate(() => window.hit), undefined);
        assert.deepEqual(page.errors, []);
    });

test("feedback of the score group, then the review list with its incorrect-only filter",
    async (browser) => {
        const feedback = new Array(11).fill(false);
        feedback[5] = true;
        const quiz = f.quiz(3, [
            f.mc("A", "Pick A", "Right A", ["Wrong A"], { previewEntry: "Entry A" }),
            f.mc("B", "Pick B", "Right B", ["Wrong B"], { previewEntry: "Entry B" }),
            f.mc("C", "Pick C", "Right C", [], { previewEntry: "" }),
            f.mc("D", "Pick D", "Right D", ["Wrong D"], { previewEntry: "Entry D" }),
        ], { groupHasFeedback: feedback, allowPostQuizReview: true }, { topics: {
            "GROUP 5 FEEDBACK": { linkType: 13, caption: "", text: "Half way.\nKeep going." },
        } });
        const page = await openQuiz(browser, quiz);
        await learner.playToResults(page, quiz, { A: "Right A", B: "Wrong B", C: "Right C", D: "Wrong D" });
        await page.click("#TResultsForm #OKBtn");
        assert.equal(await page.textContent("#THNotesForm pre"), "Half way.\nKeep going.");
        await page.click("#THNotesForm #OKBtn");
        assert.equal(await page.textContent(".message .message-text"),
            "Would you like to study the Questions?\n");
        await page.click("#YesBtn");
        const options = () => page.$$eval("#ListBox1 option", (n) => n.map((o) => o.textContent));
        assert.deepEqual((await options()).sort(), ["Entry A", "Entry B", "Entry D"]);
        await page.click("#TTMPostForm #Button2");
        assert.deepEqual((await options()).sort(), ["Entry B", "Entry D"]);
        await page.selectOption("#ListBox1", "Entry D");
        await page.keyboard.press("Enter");
        assert.equal(await page.textContent("#TTMViewForm fieldset:nth-of-type(2) .line-label"), "Right D");
        await page.click("#TTMViewForm #CloseBtn");
        await page.click("#TTMPostForm #Button1");
        assert.equal((await options()).length, 3);
        await page.click("#TTMPostForm #CloseBtn");
        await page.waitForSelector("#Ended");
    });

test("around the questions: opening command, about box, introduction; at the end the about box again",
    async (browser) => {
        const about = { whenToShow: 2, caption: "About it", iconFile: "", programName: "Prog",
            versionLine: "1.0", authorLine: "Me", commentLines: ["One", "two", "", "Three"] };
        const quiz = f.quiz(2, [f.ti("A", "a", ["a"])], {
            showAboutBox: true, aboutBox: about, showIntroduction: true, runOpeningCommand: true,
            openingCommand: { linkType: 4, caption: "", unsupported: "SETUP.EXE cannot run in a browser" },
        }, { introduction: { useTitleBar: true, titleBarText: "Hello", titleBarFont: "12 0 0 Arial",
            titleBarColour: 0xffffff, useStatusBar: false, statusBarText: "", statusBarFont: "",
            statusBarColour: 0, useMenuBar: true, html: "<p>Intro <b>text</b></p>",
            design: { vpBack: 0xffffff, fullscreen: true, displaytype: 1, sBackColor: 0 } } });
        const page = await openQuiz(browser, quiz);
        assert.equal(await page.textContent(".message .message-text"), "SETUP.EXE cannot run in a browser");
        await page.click(".message #OKBtn");
        assert.equal(await page.textContent("#TAboutBox .about-comments"), "One two \n\nThree ");
        await page.click("#TAboutBox #OKBtn");
        assert.equal(await page.textContent("#TIntDispForm .intro-bar"), "Hello");
        assert.equal(await page.textContent("#TIntDispForm b"), "text");
        await page.click("#TIntDispForm #CloseItem");
        await learner.playToResults(page, quiz, { A: "a" });
        await page.click("#TResultsForm #OKBtn");
        await page.waitForSelector("#TAboutBox");
        await page.keyboard.press("Enter");
        await page.waitForSelector("#Ended");
    });

test("damaged data is refused with a message; a record missing fields still plays", async (browser) => {
    for (const [data, message] of [[{ format: 1, kind: 4, settings: {}, records: [] }, "The quiz data is damaged."],
        [{ format: 2 }, "The quiz data has a format this player does not know."]]) {
        const page = await openQuiz(browser, data);
        assert.equal(await page.textContent(".message.error .message-text"), message);
    }
    const quiz = f.quiz(3, [{ identifier: "A", questionLines: ["Only a question"], correctAnswer: "Yes" }]);
    const page = await openQuiz(browser, quiz);
    assert.deepEqual(await learner.texts(page, "#AnswerGrpBox .line-label"), ["Yes"]);
    await page.dblclick("#AnsLbl1");
    assert.equal(await page.textContent("#QrightLbl"), "1");
});

run();
