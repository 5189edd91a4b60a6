// Everything around the questions: the results screen, the score group's
// feedback, the results text (saved as a download and printed), and the
// question lists before and after the quiz with their viewers.
(function (root) {
    "use strict";
    var R = root.TavrinRules;
    var S = root.TavrinScreens;
    var el = S.el;

    function showResults(run) {
        var s = run.settings;
        var t = s.customTexts;
        var win = S.openWindow({ caption: t.resultsHeading, className: "results", id: "TResultsForm" });
        var grid = el("div", "results-grid");
        [[t.questionsAnswered, run.N, "Label2"], [t.correctAnswers, run.questionsCorrect, "Label4"]]
            .forEach(function (row) {
                grid.appendChild(el("span", "results-caption", row[0]));
                var value = el("span", "results-value", String(row[1]));
                value.id = row[2];
                grid.appendChild(value);
            });
        var gauge = el("div", "results-gauge");
        gauge.id = "Gauge1";
        var fill = el("div", "results-fill");
        var passed = R.resultPassed(run.percent, s.passPercentage);
        fill.style.background = R.colourCss(passed ? s.passGraphColour : s.failGraphColour);
        fill.style.height = (run.N > 0 ? (run.questionsCorrect * 100) / run.N : 0) + "%";
        gauge.setAttribute("data-passed", passed ? "yes" : "no");
        gauge.appendChild(fill);
        var body = el("div", "results-body");
        body.appendChild(grid);
        body.appendChild(gauge);
        win.client.appendChild(body);
        var buttons = el("div", "message-buttons");
        var ok = S.button("OK", "OKBtn", function () { win.close(); });
        ok.className += " default";
        buttons.appendChild(ok);
        win.client.appendChild(buttons);
        return win.done;
    }

    function showGroupFeedback(run) {
        var g = run.scoreGroup;
        if (!(run.settings.groupHasFeedback || [])[g]) return Promise.resolve();
        return root.TavrinTopics.showTopic(run, run.findTopic("GROUP " + g + " FEEDBACK"), "");
    }

    function resultsText(run) {
        return R.buildResultsText(run.settings.titleBarText, run.N, run.questionsCorrect, run.percent,
            run.askedQuestions());
    }

    // The results file becomes a download; the same message as on the desktop
    // names it, with a link to save it again.
    function saveResultsFile(run) {
        var name = R.resultsFileName(run.settings.resultsFileName || "", run.data.quizName || "QUIZ",
            run.kind);
        var blob = new Blob([R.encodeCp1252(resultsText(run))], { type: "text/plain" });
        var url = URL.createObjectURL(blob);
        var link = el("a", "download-link", name);
        link.id = "ResultsDownload";
        link.href = url;
        link.download = name;
        var win = S.openWindow({ caption: "", className: "message info", id: "ResultsSaved" });
        win.client.appendChild(el("div", "message-text", "The Quiz results have been saved to " + name));
        var again = el("div", "message-link");
        again.appendChild(link);
        win.client.appendChild(again);
        var buttons = el("div", "message-buttons");
        var ok = S.button("OK", "OKBtn", function () { win.close(); });
        ok.className += " default";
        buttons.appendChild(ok);
        win.client.appendChild(buttons);
        link.click();
        return win.done;
    }

    function offerPrintResults(run) {
        return S.messageBox("Do you want to print the Results?\n\r", "yesno").then(function (yes) {
            if (!yes) return;
            document.getElementById("print-area").textContent = resultsText(run).replace(/\r\n/g, "\n");
            window.print();
        });
    }

    function informationButton(run, record, parent) {
        var info = S.button(run.settings.customTexts.informationButton, "Button1", function () {
            run.showInformation(record);
        });
        info.disabled = !record.hasInformation;
        parent.appendChild(info);
    }

    function closeButton(win, parent) {
        parent.appendChild(S.button("&Close", "CloseBtn", function () { win.close(); }));
    }

    function viewQAQuestion(run, record) {
        var t = run.settings.customTexts;
        var win = S.openWindow({ caption: "", className: "viewer", id: "TPrevAnsForm" });
        [[t.questionCaption, record.question], [t.answerCaption, record.answer]].forEach(function (row) {
            win.client.appendChild(el("label", "viewer-caption", row[0]));
            var field = el("input", "viewer-field");
            field.readOnly = true;
            field.value = row[1];
            win.client.appendChild(field);
        });
        var buttons = el("div", "message-buttons");
        informationButton(run, record, buttons);
        closeButton(win, buttons);
        win.client.appendChild(buttons);
        return win.done;
    }

    function viewTMQuestion(run, record) {
        var t = run.settings.customTexts;
        var win = S.openWindow({ caption: "", className: "viewer", id: "TTMViewForm" });
        var question = el("fieldset", "group-box static");
        question.appendChild(el("legend", "", " Question "));
        record.questionLines.forEach(function (line) {
            question.appendChild(el("div", "line-label static", line));
        });
        var answer = el("fieldset", "group-box static");
        answer.appendChild(el("legend", "", " " + t.answerCaption + " "));
        answer.appendChild(el("div", "line-label static", record.correctAnswer));
        win.client.appendChild(question);
        win.client.appendChild(answer);
        var buttons = el("div", "message-buttons");
        informationButton(run, record, buttons);
        closeButton(win, buttons);
        win.client.appendChild(buttons);
        return win.done;
    }

    // A question list: `entries` are [text, runList index] in asking order;
    // with `review`, the incorrect-only filter is offered.
    function questionList(run, entries, review, id) {
        var t = run.settings.customTexts;
        var win = S.openWindow({ caption: t.reviewPrompt, className: "question-list", id: id });
        var list = el("select", "list-box");
        list.id = "ListBox1";
        list.size = 12;
        list.setAttribute("data-focus", "");
        win.client.appendChild(list);
        var fullTexts = entries.map(function (e) { return e[0]; });
        function fill(shown) {
            list.textContent = "";
            shown.forEach(function (entry) { list.appendChild(el("option", "", entry[0])); });
            list.selectedIndex = shown.length ? 0 : -1;
            list.focus();
        }
        function open() {
            if (list.selectedIndex < 0) return;
            var text = list.options[list.selectedIndex].textContent;
            // The match list before the quiz opens the very line chosen; the
            // others open the last question with an equal text.
            var entry = run.kind === 1 && !review ? entries[list.selectedIndex]
                : entries[R.lastIndexOf(fullTexts, text)];
            var record = run.runList[entry[1]].record;
            var viewer = run.kind === 1 ? viewQAQuestion(run, record) : viewTMQuestion(run, record);
            viewer.then(function () { if (!win.closed) list.focus(); });
        }
        list.addEventListener("dblclick", open);
        win.onKey = function (event) {
            if (event.key !== "Enter") return false;
            open();
            return true;
        };
        var buttons = el("div", "message-buttons");
        if (review) {
            var wrong = entries.filter(function (e) { return !run.runList[e[1]].correct; });
            buttons.appendChild(S.button(t.allQuestionsChoice, "Button1", function () { fill(entries); }));
            var only = S.button(t.incorrectOnlyChoice, "Button2", function () { fill(wrong); });
            only.disabled = wrong.length === 0;
            buttons.appendChild(only);
        }
        var ok = S.button("OK", "OKBtn", open);
        ok.className += " default";
        buttons.appendChild(ok);
        closeButton(win, buttons);
        win.client.appendChild(buttons);
        fill(entries);
        return win.done;
    }

    // QA lists every question text; TI and MC only the non-empty preview entries.
    function listedEntries(run) {
        var entries = [];
        run.runList.forEach(function (entry, index) {
            var text = run.kind === 1 ? entry.record.question : entry.record.previewEntry;
            if (run.kind === 1 || text !== "") entries.push([text, index]);
        });
        return entries;
    }

    function offerList(run, offer, review, id) {
        var entries = listedEntries(run);
        if (entries.length === 0) return Promise.resolve();
        return S.messageBox(offer + "\n\r", "yesno").then(function (yes) {
            if (yes) return questionList(run, entries, review, id);
            return undefined;
        });
    }

    function offerPreQuizList(run) {
        return offerList(run, run.settings.customTexts.previewOffer, false,
            run.kind === 1 ? "TQuestListForm" : "TTMPrevForm");
    }

    function offerPostQuizList(run) {
        return offerList(run, run.settings.customTexts.reviewOffer, true,
            run.kind === 1 ? "TPostListForm" : "TTMPostForm");
    }

    root.TavrinResults = {
        showResults: showResults,
        showGroupFeedback: showGroupFeedback,
        resultsText: resultsText,
        saveResultsFile: saveResultsFile,
        offerPrintResults: offerPrintResults,
        offerPreQuizList: offerPreQuizList,
        offerPostQuizList: offerPostQuizList
    };
})(this);
