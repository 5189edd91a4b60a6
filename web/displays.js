// The three question displays of a run: the match page, the typed answer and
// the multiple choice. Each is a modal window that resolves when the page or
// question is finished or the learner has quit.
(function (root) {
    "use strict";
    var R = root.TavrinRules;
    var S = root.TavrinScreens;
    var el = S.el;

    var CLIENT_WIDTH = 632;
    var CLIENT_HEIGHT = 453;

    function boxCaption(text) {
        return " " + text + " ";
    }

    function applyFont(node, spec) {
        var font = R.parseFont(spec);
        node.style.fontFamily = "\"" + font.name.replace(/["\\]/g, "") + "\", Arial, sans-serif";
        node.style.fontSize = (font.size > 0 ? font.size : 10) + "pt";
        node.style.color = R.colourCss(font.colour);
        node.style.fontWeight = font.style & 1 ? "bold" : "normal";
        node.style.fontStyle = font.style & 2 ? "italic" : "normal";
        var lines = [];
        if (font.style & 4) lines.push("underline");
        if (font.style & 8) lines.push("line-through");
        node.style.textDecoration = lines.join(" ") || "none";
    }

    function groupBox(id, left, top, width, height, background, colour) {
        var box = el("fieldset", "group-box");
        box.id = id;
        var legend = el("legend", "", "");
        box.appendChild(legend);
        S.place(box, left, top, width, height);
        box.style.background = background;
        box.style.color = colour;
        return { box: box, setCaption: function (text) {
            legend.textContent = text;
            S.show(legend, text !== "");
        } };
    }

    // The frame every display shares: title bar, score panel and control
    // panel, the counters, and quitting through the custom warning.
    function quizFrame(run, id, controlHeight, scoreHeight) {
        var s = run.settings;
        var t = s.customTexts;
        var frame = {};
        frame.closePermitted = false;
        var win = S.openWindow({ caption: s.programTitle, className: "quiz-display", id: id,
            width: CLIENT_WIDTH, height: CLIENT_HEIGHT,
            onClose: function () {
                if (frame.closePermitted) return true;
                return run.confirmQuit();
            } });
        frame.win = win;
        win.client.style.background = R.colourCss(s.questionScreenColour);

        var title = el("div", "title-bar", s.titleBarText);
        title.id = "Panel1";
        S.place(title, 0, 0, CLIENT_WIDTH, 33);
        title.style.background = R.colourCss(s.titleBarColour);
        applyFont(title, s.titleFont);
        S.show(title, s.useTitleBar);
        win.client.appendChild(title);

        var control = el("div", "control-panel");
        control.id = "ControlPnl";
        S.place(control, 0, CLIENT_HEIGHT - controlHeight, CLIENT_WIDTH, controlHeight);
        control.style.background = R.colourCss(s.questionScreenColour);
        win.client.appendChild(control);
        frame.control = control;

        var score = el("div", "score-panel");
        score.id = "ScorePnl";
        S.place(score, 0, CLIENT_HEIGHT - controlHeight - scoreHeight, CLIENT_WIDTH, scoreHeight);
        score.style.background = R.colourCss(s.scorePanelColour);
        score.style.color = R.colourCss(s.scorePanelTextColour);
        S.show(score, s.useScoreBar);
        var counter = function (caption, valueId) {
            var cell = el("span", "score-cell");
            cell.appendChild(el("span", "score-caption", caption));
            var value = el("span", "score-value", "0");
            value.id = valueId;
            cell.appendChild(value);
            score.appendChild(cell);
            return value;
        };
        frame.total = counter(t.totalQuestionsLabel, "ShowTquestlbl");
        frame.total.textContent = String(run.N);
        var gaugeCell = el("span", "score-cell");
        gaugeCell.appendChild(el("span", "score-caption", t.scoreLabel));
        var gauge = el("span", "gauge");
        gauge.id = "Gauge1";
        gauge.style.background = R.colourCss(s.scoreBarColour);
        var bar = el("span", "gauge-bar");
        bar.style.background = R.colourCss(s.progressColour);
        var gaugeText = el("span", "gauge-text", "0%");
        gauge.appendChild(bar);
        gauge.appendChild(gaugeText);
        gaugeCell.appendChild(gauge);
        score.appendChild(gaugeCell);
        frame.done = counter(t.answeredLabel, "QDoneLbl");
        frame.right = counter(t.correctLabel, "QrightLbl");
        win.client.appendChild(score);

        frame.showCounters = function (done) {
            frame.done.textContent = String(done);
            frame.right.textContent = String(run.questionsCorrect);
            var percent = R.percentCorrect(run.questionsCorrect, run.N);
            bar.style.width = percent + "%";
            gaugeText.textContent = percent + "%";
        };
        frame.button = function (caption, buttonId, left, onClick) {
            var node = S.button(caption, buttonId, onClick);
            S.place(node, left, Math.max(0, Math.floor((controlHeight - 25) / 2)), 97, 25);
            control.appendChild(node);
            return node;
        };
        frame.quit = frame.button(t.quitButton, "BitBtn1", 512, function () {
            run.confirmQuit().then(function (yes) {
                if (yes) win.close("quit");
            });
        });
        frame.finish = function () {
            frame.closePermitted = true;
            win.close("next");
        };
        frame.box = function (boxId, left, top, width, height, background, colour) {
            var made = groupBox(boxId, left, top, width, height, background, colour);
            win.client.appendChild(made.box);
            return made;
        };
        frame.ended = win.done.then(function (how) {
            run.percent = R.percentCorrect(run.questionsCorrect, run.N);
            return how;
        });
        return frame;
    }

    function lineLabel(parent, id, text, left, top, width) {
        var label = el("div", "line-label", text);
        label.id = id;
        S.place(label, left, top, width);
        parent.appendChild(label);
        return label;
    }

    // One page of a match quiz.
    function showMatchPage(run) {
        var s = run.settings;
        var t = s.customTexts;
        var frame = quizFrame(run, "TDispQForm", 25, 36);
        var page = run.pages.slots[run.currentPage - 1];
        var size = page.length;
        var permutation = R.randomPermutation(size);
        var qBox = frame.box("QuestionGrpBox", 16, 35, 601, 180,
            R.colourCss(s.questionBoxColour), R.colourCss(s.questionTextColour));
        var aBox = frame.box("AnswerGrpBox", 16, 215, 601, 180,
            R.colourCss(s.answerBoxColour), R.colourCss(s.answerTextColour));
        qBox.setCaption(boxCaption(t.selectQuestionCaption));
        aBox.setCaption("");
        var state = { matched: 0, hiQ: 1, hiA: 1, selQ: 0, answering: false, pageDone: false };
        var enabled = [];
        var qLabels = [];
        var aLabels = [];
        for (var tag = 1; tag <= size; ++tag) {
            var entry = run.runList[page[tag - 1]];
            enabled.push(true);
            qLabels.push(lineLabel(qBox.box, "QuestLbl" + tag, entry.record.question, 16,
                16 * tag - 4, 560));
            aLabels.push(lineLabel(aBox.box, "AnsLbl" + tag,
                run.runList[page[permutation[tag - 1] - 1]].record.answer, 16, 16 * tag - 4, 560));
        }

        function colourQuestions() {
            qLabels.forEach(function (label, i) {
                var colour = s.questionTextColour;
                if (i + 1 === state.selQ && state.answering) colour = s.questionSelectedColour;
                else if (i + 1 === state.hiQ && !state.pageDone) colour = s.questionHighlightColour;
                label.style.color = R.colourCss(colour);
                label.classList.toggle("disabled", !enabled[i]);
                label.classList.toggle("highlight", i + 1 === state.hiQ && !state.pageDone);
            });
        }
        function colourAnswers() {
            aLabels.forEach(function (label, i) {
                var lit = state.answering && i + 1 === state.hiA;
                label.style.color = R.colourCss(lit ? s.answerHighlightColour : s.answerTextColour);
                label.classList.toggle("highlight", lit);
            });
        }
        function chooseQuestion(tag) {
            if (state.answering || state.pageDone || !enabled[tag - 1]) return;
            state.selQ = state.hiQ = tag;
            state.answering = true;
            qBox.setCaption("");
            aBox.setCaption(boxCaption(t.selectAnswerCaption));
            state.hiA = 1;
            colourQuestions();
            colourAnswers();
        }
        function chooseAnswer(tag) {
            if (!state.answering) return;
            state.answering = false;
            qBox.setCaption(boxCaption(t.selectQuestionCaption));
            aBox.setCaption("");
            enabled[state.selQ - 1] = false;
            run.questionNumber += 1;
            state.matched += 1;
            if (R.matchIsCorrect(permutation, tag, state.selQ)) {
                run.questionsCorrect += 1;
                run.runList[page[state.selQ - 1]].correct = true;
            }
            frame.showCounters(run.questionNumber);
            if (state.matched < size) {
                state.hiQ = enabled.indexOf(true) + 1;
            } else {
                state.pageDone = true;
                qBox.setCaption("");
                if (run.lastPage) {
                    S.show(next, false);
                    S.show(frame.quit, false);
                    S.show(cont, true);
                    cont.focus();
                } else {
                    S.show(next, true);
                    next.focus();
                }
            }
            colourQuestions();
            colourAnswers();
        }
        qLabels.forEach(function (label, i) {
            label.addEventListener("click", function () {
                if (state.answering || state.pageDone || !enabled[i]) return;
                state.hiQ = i + 1;
                colourQuestions();
            });
            label.addEventListener("dblclick", function () { chooseQuestion(i + 1); });
        });
        aLabels.forEach(function (label, i) {
            label.addEventListener("click", function () {
                if (!state.answering) return;
                state.hiA = i + 1;
                colourAnswers();
            });
            label.addEventListener("dblclick", function () { chooseAnswer(i + 1); });
        });
        frame.win.onKey = function (event) {
            var direction = event.key === "ArrowUp" ? -1 : event.key === "ArrowDown" ? 1 : 0;
            if (direction && !state.pageDone) {
                if (state.answering) {
                    state.hiA = R.stepHighlight(state.hiA, size, direction, null);
                    colourAnswers();
                } else {
                    state.hiQ = R.stepHighlight(state.hiQ, size, direction, enabled);
                    colourQuestions();
                }
                return true;
            }
            if (event.key === "Enter" && !state.pageDone) {
                if (state.answering) chooseAnswer(state.hiA);
                else chooseQuestion(state.hiQ);
                return true;
            }
            return false;
        };
        var next = frame.button(t.nextButton, "NextBitBtn", 400, frame.finish);
        var cont = frame.button(t.continueButton, "BitBtn2", 512, frame.finish);
        S.show(next, false);
        S.show(cont, false);
        frame.showCounters(run.questionNumber);
        colourQuestions();
        colourAnswers();
        return frame.ended;
    }

    // The parts the typed-answer and choice displays share.
    function singleQuestionFrame(run, id, infoLeft, nextLeft, continueLeft) {
        var s = run.settings;
        var t = s.customTexts;
        var record = run.recordInHand.record;
        var frame = quizFrame(run, id, 34, 47);
        var qBox = frame.box("QuestionGrpBox", 16, 42, 601, 142,
            R.colourCss(s.questionBoxColour), R.colourCss(s.questionTextColour));
        qBox.setCaption(boxCaption(t.questionCaption));
        [25, 40, 56, 72, 88, 104].forEach(function (top, i) {
            lineLabel(qBox.box, "QuestLbl" + (i + 1), record.questionLines[i] || "", 16, top - 8, 560);
        });
        frame.info = frame.button(t.informationButton, "Button1", infoLeft, function () {
            run.showInformation(record);
        });
        frame.next = frame.button(t.nextButton, "NextBitBtn", nextLeft, frame.finish);
        frame.cont = frame.button(t.continueButton, "continuebitbtn", continueLeft, frame.finish);
        [frame.info, frame.next, frame.cont].forEach(function (b) { S.show(b, false); });
        frame.answered = function () {
            var last = run.questionNumber === run.N;
            if (last) {
                S.show(frame.quit, false);
                S.show(frame.cont, true);
                frame.cont.className = "btn default";
            } else {
                S.show(frame.next, true);
                frame.next.className = "btn default";
            }
            S.show(frame.info, !!record.hasInformation);
            frame.showCounters(run.questionNumber);
            (last ? frame.cont : frame.next).focus();
        };
        frame.showCounters(run.questionNumber - 1);
        return frame;
    }

    function showTypedQuestion(run) {
        var s = run.settings;
        var t = s.customTexts;
        var record = run.recordInHand.record;
        var frame = singleQuestionFrame(run, "TTIDispForm", 256, 392, 512);
        var typing = frame.box("GroupBox1", 16, 200, 601, 89,
            R.colourCss(s.inputBoxColour), R.colourCss(s.inputTextColour));
        typing.setCaption(boxCaption(t.answerCaption));
        var field = el("input", "answer-field");
        field.id = "Edit1";
        field.type = "text";
        field.autocomplete = "off";
        field.setAttribute("data-focus", "");
        S.place(field, 16, 20, 569);
        field.style.color = R.colourCss(s.inputTextColour);
        typing.box.appendChild(field);
        var answerBox = frame.box("AnswerGrpBox", 16, 302, 601, 59,
            R.colourCss(s.answerBoxColour), R.colourCss(s.answerTextColour));
        answerBox.setCaption("");
        lineLabel(answerBox.box, "AnsLbl1", record.correctAnswer, 16, 14, 560);
        S.show(answerBox.box, false);
        var ok = S.button("&OK", "BitBtn2", function () {
            ok.disabled = true;
            ok.className = "btn";
            S.show(answerBox.box, true);
            if (R.typedAnswerAccepted(field.value, record.matches || [])) {
                run.recordInHand.correct = true;
                run.questionsCorrect += 1;
            }
            frame.answered();
        });
        ok.className += " default";
        S.place(ok, 263, 50, 75, 25);
        typing.box.appendChild(ok);
        field.addEventListener("keydown", function (event) {
            // Enter in the field confirms the answer once; afterwards it moves on.
            if (event.key === "Enter") {
                event.preventDefault();
                event.stopPropagation();
                if (!ok.disabled) ok.click();
                else (frame.next.style.display !== "none" ? frame.next : frame.cont).click();
            }
        });
        return frame.ended;
    }

    function showChoiceQuestion(run) {
        var s = run.settings;
        var t = s.customTexts;
        var record = run.recordInHand.record;
        var frame = singleQuestionFrame(run, "TMCDisplayForm", 259, 395, 480);
        var aBox = frame.box("AnswerGrpBox", 16, 206, 601, 154,
            R.colourCss(s.answerBoxColour), R.colourCss(s.answerTextColour));
        aBox.setCaption(boxCaption(t.selectAnswerCaption));
        var layout = R.layOutChoices(record.correctAnswer, record.wrongAnswers || []);
        var state = { highlighted: 1, answered: false };
        var labels = [24, 45, 66, 86, 107, 128].slice(0, layout.optionCount).map(function (top, i) {
            var label = lineLabel(aBox.box, "AnsLbl" + (i + 1), layout.labels[i], 16, top - 8, 560);
            label.classList.add("option");
            return label;
        });
        function colourOptions() {
            labels.forEach(function (label, i) {
                var lit = i + 1 === state.highlighted;
                label.style.color = R.colourCss(lit ? s.answerHighlightColour : s.answerTextColour);
                label.classList.toggle("highlight", lit);
            });
        }
        function choose(tag) {
            if (state.answered) return;
            state.answered = true;
            if (tag === layout.correctTag) {
                run.questionsCorrect += 1;
                run.recordInHand.correct = true;
            }
            aBox.box.classList.add("disabled");
            frame.answered();
        }
        labels.forEach(function (label, i) {
            label.addEventListener("click", function () {
                if (state.answered) return;
                state.highlighted = i + 1;
                colourOptions();
            });
            label.addEventListener("dblclick", function () { choose(i + 1); });
        });
        frame.win.onKey = function (event) {
            var direction = event.key === "ArrowUp" ? -1 : event.key === "ArrowDown" ? 1 : 0;
            if (direction) {
                state.highlighted = R.stepHighlight(state.highlighted, layout.optionCount,
                    direction, null);
                colourOptions();
                return true;
            }
            if (event.key === "Enter" && !state.answered) {
                choose(state.highlighted);
                return true;
            }
            return false;
        };
        colourOptions();
        return frame.ended;
    }

    root.TavrinDisplays = {
        applyFont: applyFont,
        showMatchPage: showMatchPage,
        showTypedQuestion: showTypedQuestion,
        showChoiceQuestion: showChoiceQuestion
    };
})(this);
