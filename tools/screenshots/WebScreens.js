// Captures each screen of the web player into docs/screenshots (web-*.png).
// Run by scripts/screenshots; the pictures are committed.
"use strict";

const path = require("path");
const h = require("../../tests/web/harness");
const f = require("../../tests/web/fixtures");

const out = process.argv[2] || path.resolve(__dirname, "../../docs/screenshots");
const DESIGN = { vpBack: 0xe0ffff, fullscreen: false, displaytype: 1, sBackColor: 0x804000,
    sGraphic: "", sWallpaper: "", vpLeft: 120, vpTop: 100, vpWidth: 400, vpHeight: 220 };

function settings() {
    return { titleBarText: "Capitals of Europe", programTitle: "Capitals", backgroundColour: 0x804000,
        titleBarColour: 0xffff80, takeAllQuestions: false, allowPostQuizReview: true,
        showIntroduction: true, showAboutBox: true, aboutBox: { whenToShow: 0, caption: "About Capitals",
            iconFile: "", programName: "Capitals", versionLine: "Version 1.0",
            authorLine: "A Teacher", commentLines: ["Learn the capitals", "of Europe.", "", "Good luck!"] } };
}

const intro = { useTitleBar: true, titleBarText: "Welcome", titleBarFont: "18 0 1 Arial",
    titleBarColour: 0xffff80, useStatusBar: true, statusBarText: "Press Esc to begin",
    statusBarFont: "8 0 0 Arial", statusBarColour: 0xc0c0c0, useMenuBar: true, design: DESIGN,
    html: "<p><b>Capitals of Europe</b></p><p>Type or pick the capital of each country.</p>" };

async function shoot(page, name) {
    await page.waitForTimeout(150);
    await page.screenshot({ path: path.join(out, `web-${name}.png`) });
}

async function main() {
    const browser = await h.launch();
    const context = await browser.newContext({ viewport: { width: 800, height: 600 } });
    const open = async (quiz) => {
        const page = await context.newPage();
        await page.goto(h.fileUrl(path.join(h.quizFolder(quiz), "index.html")));
        return page;
    };

    const typed = f.quiz(2, [f.ti("FRANCE", "What is the capital of France?", ["Paris"],
        { hasInformation: true, previewEntry: "France" }),
    f.ti("SPAIN", "What is the capital of Spain?", ["Madrid"], { previewEntry: "Spain" })],
    settings(), { introduction: intro, topics: { FRANCE: { linkType: 1, caption: "", design: DESIGN,
        html: "<p><b>Paris</b> lies on the <i>Seine</i>.</p>" } } });
    let page = await open(typed);
    await page.waitForSelector("#TAboutBox");
    await shoot(page, "about");
    await page.click("#TAboutBox #OKBtn");
    await page.waitForSelector("#TIntDispForm");
    await shoot(page, "introduction");
    await page.keyboard.press("Escape");
    await page.waitForSelector("#TQTotakeForm");
    await shoot(page, "question-count");
    await page.click("#OKBtn");
    for (let n = 0; n < 2; ++n) {
        const france = (await page.textContent("#QuestLbl1")).includes("France");
        await page.fill("#Edit1", france ? "paris" : "Barcelona");
        await page.press("#Edit1", "Enter");
        if (france) {
            await shoot(page, "type-an-answer");
            await page.click("#Button1");
            await shoot(page, "information");
            await page.keyboard.press("Escape");
        }
        await page.click("button:visible:is(#NextBitBtn, #continuebitbtn)");
    }
    await page.waitForSelector("#TResultsForm");
    await shoot(page, "results");
    await page.click("#TResultsForm #OKBtn");
    await page.click("#YesBtn");
    await page.click("#Button2");
    await shoot(page, "review-list");

    page = await open(f.quiz(3, [f.mc("ITALY", "What is the capital of Italy?", "Rome",
        ["Milan", "Naples", "Turin"])], { titleBarText: "Capitals of Europe", programTitle: "Capitals",
        backgroundColour: 0x804000 }));
    await page.keyboard.press("ArrowDown");
    await shoot(page, "multiple-choice");

    const pairs = [["Norway", "Oslo"], ["Sweden", "Stockholm"], ["Finland", "Helsinki"],
        ["Denmark", "Copenhagen"], ["Iceland", "Reykjavik"]];
    page = await open(f.quiz(1, pairs.map(([c, a]) => f.qa(c.toUpperCase(), c, a)),
        { titleBarText: "Match each country with its capital", programTitle: "Capitals",
            backgroundColour: 0x804000 }));
    await page.dblclick("#QuestLbl1");
    await shoot(page, "match");
    await browser.close();
    console.log(`screenshots written to ${out}`);
}

main().catch((error) => {
    console.error(error);
    process.exit(1);
});
