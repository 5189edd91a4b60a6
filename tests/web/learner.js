// A learner at the browser: answers each display of a run with real clicks
// and keys, from an answer per question identifier, until the results show.
"use strict";

function recordOf(quiz, questionText) {
    const found = quiz.records.filter((r) =>
        (quiz.kind === 1 ? r.question : r.questionLines[0]) === questionText);
    if (found.length !== 1) throw new Error(`no single question reads "${questionText}"`);
    return found[0];
}

async function texts(page, selector) {
    return page.$$eval(selector, (nodes) => nodes.filter((n) => n.offsetParent !== null)
        .map((n) => n.textContent));
}

// The keyboard of a page, or of the page that holds a frame.
function keyboard(page) {
    return page.keyboard || page.page().keyboard;
}

async function typedQuestion(page, quiz, answers) {
    const record = recordOf(quiz, await page.textContent("#TTIDispForm #QuestLbl1"));
    await page.fill("#Edit1", answers[record.identifier] || "");
    await page.press("#Edit1", "Enter");
    await keyboard(page).press("Enter"); // Next or Continue has the focus now
}

async function choiceQuestion(page, quiz, answers, useKeys) {
    const record = recordOf(quiz, await page.textContent("#TMCDisplayForm #QuestLbl1"));
    const options = await texts(page, "#TMCDisplayForm #AnswerGrpBox .line-label");
    const tag = options.indexOf(answers[record.identifier]) + 1;
    if (tag < 1) throw new Error(`no choice reads "${answers[record.identifier]}"`);
    if (useKeys) {
        for (let i = 1; i < tag; ++i) await keyboard(page).press("ArrowDown");
        await keyboard(page).press("Enter");
    } else {
        await page.dblclick(`#TMCDisplayForm #AnsLbl${tag}`);
    }
    await page.click("#TMCDisplayForm button:visible:is(#NextBitBtn, #continuebitbtn)");
}

async function matchPage(page, quiz, answers, useKeys) {
    const questions = await texts(page, "#TDispQForm #QuestionGrpBox .line-label");
    const shown = await texts(page, "#TDispQForm #AnswerGrpBox .line-label");
    for (let q = 1; q <= questions.length; ++q) {
        const record = recordOf(quiz, questions[q - 1]);
        // null: any answer on the page other than the question's own.
        const wanted = answers[record.identifier];
        const a = (wanted === null ? shown.findIndex((s) => s !== record.answer)
            : shown.indexOf(wanted)) + 1;
        if (a < 1) throw new Error(`no answer reads "${wanted}"`);
        if (useKeys) {
            // The highlight sits on the first question still open: question q.
            await keyboard(page).press("Enter");
            for (let i = 1; i < a; ++i) await keyboard(page).press("ArrowDown");
            await keyboard(page).press("Enter");
        } else {
            await page.dblclick(`#TDispQForm #QuestLbl${q}`);
            await page.dblclick(`#TDispQForm #AnsLbl${a}`);
        }
    }
    await page.click("#TDispQForm button:visible:is(#NextBitBtn, #BitBtn2)");
}

// The windows around the questions: the count dialog takes all, offers are
// declined, everything else is closed.
async function passWindow(page, id) {
    if (id === "TQTotakeForm") await page.click("#TQTotakeForm #OKBtn");
    else if (await page.$(".layer:last-child #NoBtn")) await page.click(".layer:last-child #NoBtn");
    else if (await page.$(".layer:last-child #OKBtn")) await page.click(".layer:last-child #OKBtn");
    else await keyboard(page).press("Escape");
}

// Plays every display up to the results screen; returns how many were shown.
async function playToResults(page, quiz, answers, options = {}) {
    let shown = 0;
    for (;;) {
        const top = await page.waitForSelector("#stage > .layer:last-child > .window");
        const id = await top.getAttribute("id");
        if (id === "TResultsForm") return shown;
        if (id === "TTIDispForm") await typedQuestion(page, quiz, answers);
        else if (id === "TMCDisplayForm") await choiceQuestion(page, quiz, answers, options.useKeys);
        else if (id === "TDispQForm") await matchPage(page, quiz, answers, options.useKeys);
        else await passWindow(page, id);
        if (/^(TTIDispForm|TMCDisplayForm|TDispQForm)$/.test(id)) shown += 1;
        await top.waitForElementState("hidden").catch(() => {});
    }
}

async function readResults(page) {
    return {
        asked: await page.textContent("#TResultsForm #Label2"),
        correct: await page.textContent("#TResultsForm #Label4"),
        passed: await page.getAttribute("#TResultsForm #Gauge1", "data-passed"),
    };
}

// Clicks OK on the results screen and takes the results download.
async function takeResultsText(page) {
    const download = page.waitForEvent("download");
    await page.click("#TResultsForm #OKBtn");
    const file = await (await download).path();
    return require("fs").readFileSync(file, "latin1");
}

module.exports = { playToResults, readResults, takeResultsText, recordOf, texts };
