// The rules of a quiz run, kept apart from the screens so that they read like
// the desktop run-time they copy and can be checked without a browser.
(function (root) {
    "use strict";

    var MAX_QUESTIONS_PER_RUN = 5000;
    var KIND_EXTENSIONS = { 1: "QA", 2: "TI", 3: "MC" };

    function questionsOfferedInRun(total) {
        return Math.max(0, Math.min(total, MAX_QUESTIONS_PER_RUN));
    }

    function uniform(low, high, random) {
        return low + Math.floor((random || Math.random)() * (high - low + 1));
    }

    // 1..count in a uniformly random order: entry k exchanged with entry j of 1..k.
    function randomPermutation(count, random) {
        var order = [];
        for (var i = 1; i <= count; ++i) order.push(i);
        for (var k = count; k >= 2; --k) {
            var j = uniform(1, k, random);
            var kept = order[k - 1];
            order[k - 1] = order[j - 1];
            order[j - 1] = kept;
        }
        return order;
    }

    function shuffleQuestions(total, toTake, random) {
        return randomPermutation(total, random).slice(0, Math.max(0, Math.min(toTake, total)));
    }

    function clampQuestionsToTake(value, total) {
        return Math.max(1, Math.min(value, Math.max(total, 1)));
    }

    // The dialog's text on OK: not a whole number counts as 2, never above total.
    function questionsToTakeFromText(text, total) {
        var value = /^\s*[+-]?\d+\s*$/.test(text) ? parseInt(text, 10) : 2;
        return Math.min(value, total);
    }

    // Match pages of 5 to 10 pairs (one page when fewer than 5).
    function planPages(n) {
        var sizes = [];
        if (n <= 0) return { sizes: sizes, slots: [] };
        if (n <= 10) {
            sizes.push(n);
        } else {
            for (var p = 0; p < Math.floor(n / 10); ++p) sizes.push(10);
            var rest = n % 10;
            if (rest === 9) {
                sizes.push(9);
            } else if (rest >= 1) {
                sizes[sizes.length - 1] = Math.floor((10 + rest + 1) / 2);
                sizes.push(Math.floor((10 + rest) / 2));
            }
        }
        var slots = [];
        var next = 0;
        sizes.forEach(function (size) {
            var page = [];
            for (var i = 0; i < size; ++i) page.push(next++);
            slots.push(page);
        });
        return { sizes: sizes, slots: slots };
    }

    function percentCorrect(correct, total) {
        return total <= 0 ? 0 : Math.trunc((correct * 100) / total);
    }

    // Only a to z change; accented letters keep their case, as on the desktop.
    function upperAscii(text) {
        return text.replace(/[a-z]+/g, function (s) { return s.toUpperCase(); });
    }

    function typedAnswerAccepted(typed, matches) {
        var upperTyped = upperAscii(typed);
        return matches.some(function (match) {
            return match !== "" && upperTyped.indexOf(upperAscii(match)) >= 0;
        });
    }

    // K options: the correct answer and wrong answers 1..K-1, K-1 being the
    // highest filled slot (an empty slot below it still takes an option).
    function layOutChoices(correctAnswer, wrongAnswers, random) {
        var highestFilled = 0;
        for (var slot = 1; slot <= 5; ++slot)
            if ((wrongAnswers[slot - 1] || "") !== "") highestFilled = slot;
        var count = highestFilled + 1;
        var order = randomPermutation(count, random);
        var layout = { optionCount: count, order: order, correctTag: 0, labels: [] };
        order.forEach(function (option, index) {
            if (option === count) {
                layout.correctTag = index + 1;
                layout.labels.push(correctAnswer);
            } else {
                layout.labels.push(wrongAnswers[option - 1] || "");
            }
        });
        return layout;
    }

    function matchIsCorrect(answerPermutation, answerTag, questionTag) {
        if (answerTag < 1 || answerTag > answerPermutation.length) return false;
        return answerPermutation[answerTag - 1] === questionTag;
    }

    // Up/Down over a wrapping list where only enabled entries take the highlight.
    function stepHighlight(current, count, direction, enabled) {
        if (count <= 0) return current;
        var candidate = current;
        for (var step = 0; step < count; ++step) {
            candidate += direction;
            if (candidate < 1) candidate = count;
            if (candidate > count) candidate = 1;
            if (!enabled || candidate - 1 >= enabled.length || enabled[candidate - 1])
                return candidate;
        }
        return current;
    }

    function scoreGroup(percentage, settings) {
        percentage = Math.max(0, Math.min(100, percentage));
        if (!settings.scoreGroupsDefined) return Math.floor(percentage / 10);
        var limits = settings.groupLimits || [];
        var last = 0;
        for (var g = 4; g > 0; --g) {
            if ((limits[g] || 0) > 0) { last = g; break; }
        }
        for (var group = 0; group <= last; ++group)
            if (percentage < (limits[group] || 0)) return group;
        return last;
    }

    function resultPassed(percent, passPercentage) {
        return percent >= passPercentage;
    }

    // `asked`: [{identifier, correct}] in asking order.
    function buildResultsText(titleText, asked, correct, percent, questions) {
        var lines = [titleText, "", "Questions Answered = " + asked,
            "Questions Correct = " + correct, "Percentage Correct = " + percent + "%", "",
            "CORRECT"];
        questions.forEach(function (q) { if (q.correct) lines.push(q.identifier); });
        lines.push("", "WRONG");
        questions.forEach(function (q) { if (!q.correct) lines.push(q.identifier); });
        return lines.join("\r\n") + "\r\n";
    }

    // The bare name without folder (either separator) and without extension.
    function baseName(name) {
        var bare = name.replace(/^.*[\\/:]/, "");
        var dot = bare.lastIndexOf(".");
        return dot >= 0 ? bare.slice(0, dot) : bare;
    }

    function resultsFileName(resultsNameSetting, quizName, kind) {
        var source = resultsNameSetting !== "" ? resultsNameSetting : quizName;
        return baseName(source) + "." + KIND_EXTENSIONS[kind] + "D";
    }

    function lastIndexOf(list, text) {
        for (var i = list.length - 1; i >= 0; --i) if (list[i] === text) return i;
        return -1;
    }

    // A stored colour 0x00BBGGRR as CSS; system colours (top bit) get the
    // few defaults the quiz screens may carry.
    function colourCss(value) {
        value = value >>> 0;
        if (value & 0xff000000) {
            switch (value & 0xff) {
            case 5: return "#ffffff";
            case 8: return "#000000";
            case 16: return "#808080";
            default: return "#c0c0c0";
            }
        }
        var hex = function (n) { return ("0" + n.toString(16)).slice(-2); };
        return "#" + hex(value & 0xff) + hex((value >>> 8) & 0xff) + hex((value >>> 16) & 0xff);
    }

    // "size colour style face" as stored; the three numbers must be there.
    function parseFont(text) {
        var font = { size: 10, colour: 0, style: 0, name: "Arial" };
        var match = /^\s*(-?\d+)\s+(-?\d+)\s+(-?\d+)\s(.*)$/.exec(text || "");
        if (!match) return font;
        font.size = parseInt(match[1], 10);
        font.colour = parseInt(match[2], 10);
        font.style = parseInt(match[3], 10);
        font.name = match[4];
        return font;
    }

    // A media name must stay inside the media folder.
    function safeMediaName(name) {
        if (typeof name !== "string" || name === "") return "";
        if (/[\\/:]/.test(name) || name === "." || name === "..") return "";
        return name;
    }

    // Results text as Windows-1252 bytes, as the desktop writes it; a
    // character outside that code page is written as "?".
    var CP1252_HIGH = "\u20ac\u0081\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030\u0160" +
        "\u2039\u0152\u008d\u017d\u008f\u0090\u2018\u2019\u201c\u201d\u2022\u2013\u2014" +
        "\u02dc\u2122\u0161\u203a\u0153\u009d\u017e\u0178";
    function encodeCp1252(text) {
        var bytes = new Uint8Array(text.length);
        var n = 0;
        for (var i = 0; i < text.length; ++i) {
            var code = text.charCodeAt(i);
            if (code >= 0xd800 && code <= 0xdbff) ++i; // a pair stands for one character
            var high = CP1252_HIGH.indexOf(text.charAt(i));
            if (code < 0x80 || (code >= 0xa0 && code <= 0xff)) bytes[n++] = code;
            else if (high >= 0) bytes[n++] = 0x80 + high;
            else bytes[n++] = 0x3f;
        }
        return bytes.slice(0, n);
    }

    var api = {
        MAX_QUESTIONS_PER_RUN: MAX_QUESTIONS_PER_RUN,
        questionsOfferedInRun: questionsOfferedInRun,
        randomPermutation: randomPermutation,
        shuffleQuestions: shuffleQuestions,
        clampQuestionsToTake: clampQuestionsToTake,
        questionsToTakeFromText: questionsToTakeFromText,
        planPages: planPages,
        percentCorrect: percentCorrect,
        upperAscii: upperAscii,
        typedAnswerAccepted: typedAnswerAccepted,
        layOutChoices: layOutChoices,
        matchIsCorrect: matchIsCorrect,
        stepHighlight: stepHighlight,
        scoreGroup: scoreGroup,
        resultPassed: resultPassed,
        buildResultsText: buildResultsText,
        resultsFileName: resultsFileName,
        lastIndexOf: lastIndexOf,
        colourCss: colourCss,
        parseFont: parseFont,
        safeMediaName: safeMediaName,
        encodeCp1252: encodeCp1252
    };
    if (typeof module !== "undefined" && module.exports) module.exports = api;
    else root.TavrinRules = api;
})(this);
