// The run's rules without a browser: page plans, score groups, the typed
// answer check, the choice layout, the results text and media names.
"use strict";

const assert = require("assert/strict");
const R = require("../../web/rules.js");

// A random source that returns the given draws in turn (each in [0, 1)).
function draws(...values) {
    let i = 0;
    return () => values[i++ % values.length];
}

const checks = {
    "page plans keep 5 to 10 pairs a page"() {
        const table = { 1: [1], 4: [4], 10: [10], 11: [6, 5], 13: [7, 6], 19: [10, 9], 20: [10, 10],
            21: [10, 6, 5], 28: [10, 9, 9], 5000: new Array(500).fill(10) };
        for (const [n, sizes] of Object.entries(table)) assert.deepEqual(R.planPages(+n).sizes, sizes, n);
        assert.deepEqual(R.planPages(11).slots, [[0, 1, 2, 3, 4, 5], [6, 7, 8, 9, 10]]);
    },
    "score groups by tens and by the author's limits"() {
        const tens = { scoreGroupsDefined: false };
        for (const [p, g] of [[100, 10], [9, 0], [95, 9], [0, 0]]) assert.equal(R.scoreGroup(p, tens), g, p);
        const limits = { scoreGroupsDefined: true, groupLimits: [40, 70, 100, 0, 0] };
        for (const [p, g] of [[39, 0], [40, 1], [99, 2], [100, 2]]) assert.equal(R.scoreGroup(p, limits), g, p);
        assert.equal(R.scoreGroup(77, { scoreGroupsDefined: true, groupLimits: [0, 0, 0, 0, 0] }), 0);
        assert.equal(R.resultPassed(49, 50), false);
        assert.equal(R.resultPassed(50, 50), true);
    },
    "typed answers are accepted by containment, a to z upper-cased only"() {
        const table = [["the capital is paris", ["PARIS"], true], ["Parisian", ["PARIS"], true],
            ["Par", ["PARIS"], false], ["new  york", ["New York"], false], ["", [""], false],
            ["x", ["", "", "X"], true], ["\u00e9t\u00e9", ["\u00c9T\u00c9"], false],
            ["\u00c9T\u00c9", ["\u00e9t\u00c9"], false], ["a\u00dfb", ["A\u00dfB"], true]];
        for (const [typed, matches, ok] of table)
            assert.equal(R.typedAnswerAccepted(typed, matches), ok, `${typed} / ${matches}`);
    },
    "choices: K from the highest filled wrong slot; the correct tag follows the order"() {
        const layout = R.layOutChoices("Right", ["W1", "", "W3", "", ""], draws(0, 0, 0));
        assert.equal(layout.optionCount, 4);
        assert.deepEqual(layout.order.slice().sort(), [1, 2, 3, 4]);
        assert.equal(layout.labels[layout.correctTag - 1], "Right");
        assert.deepEqual(layout.labels.slice().sort(), ["", "Right", "W1", "W3"]);
        assert.equal(R.layOutChoices("Only", ["", "", "", "", ""]).optionCount, 1);
    },
    "question count: text not a number counts as 2, kept within 1..offered"() {
        for (const [text, total, n] of [["7", 5, 5], ["abc", 5, 2], ["", 9, 2], ["3", 9, 3]])
            assert.equal(R.questionsToTakeFromText(text, total), n, text);
        for (const [typed, offered, n] of [[9, 3, 3], [0, 3, 1], [2, 3, 2]])
            assert.equal(R.clampQuestionsToTake(typed, offered), n, typed);
        assert.equal(R.questionsOfferedInRun(6000), 5000);
        assert.equal(R.percentCorrect(2, 3), 66);
        assert.equal(R.percentCorrect(0, 0), 0);
    },
    "results text and file name as the desktop writes them"() {
        const text = R.buildResultsText("Title", 3, 2, 66, [{ identifier: "B", correct: true },
            { identifier: "A", correct: false }, { identifier: "C", correct: true }]);
        assert.equal(text, "Title\r\n\r\nQuestions Answered = 3\r\nQuestions Correct = 2\r\n" +
            "Percentage Correct = 66%\r\n\r\nCORRECT\r\nB\r\nC\r\n\r\nWRONG\r\nA\r\n");
        assert.ok(R.buildResultsText("", 1, 1, 100, [{ identifier: "A", correct: true }])
            .endsWith("CORRECT\r\nA\r\n\r\nWRONG\r\n"));
        assert.equal(R.resultsFileName("C:\\OUT\\SCORES.TXT", "DEMO", 2), "SCORES.TID");
        assert.equal(R.resultsFileName("", "DEMO", 1), "DEMO.QAD");
        assert.deepEqual([...R.encodeCp1252("\u20ac\u00e9\u4e00")], [0x80, 0xe9, 0x3f]);
    },
    "media names never leave the media folder"() {
        for (const bad of ["../x.jpg", "..\\x.jpg", "a/b.jpg", "C:x.jpg", "..", 7, null])
            assert.equal(R.safeMediaName(bad), "", String(bad));
        assert.equal(R.safeMediaName("FRANCE.JPG"), "FRANCE.JPG");
    },
    "stored colours and fonts"() {
        assert.equal(R.colourCss(0x0000ff), "#ff0000");
        assert.equal(R.colourCss(0x80000005), "#ffffff");
        assert.deepEqual(R.parseFont("16 255 3 Times New Roman"),
            { size: 16, colour: 255, style: 3, name: "Times New Roman" });
        assert.equal(R.parseFont("Arial").name, "Arial");
    },
};

let failed = 0;
for (const [name, check] of Object.entries(checks)) {
    try {
        check();
        console.log(`ok   ${name}`);
    } catch (error) {
        failed += 1;
        console.log(`FAIL ${name}\n${error.stack}`);
    }
}
process.exit(failed ? 1 : 0);
