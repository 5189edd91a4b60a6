// The conductor of a web quiz run: the same steps in the same order as the
// desktop run, over the data the exporter wrote into quiz-data.js.
(function (root) {
    "use strict";
    var R = root.TavrinRules;
    var S = root.TavrinScreens;
    var D = root.TavrinDisplays;
    var T = root.TavrinTopics;
    var Results = root.TavrinResults;

    var MEDIA_COMMANDS = [2, 3, 4, 6, 9, 10];

    // Why the data cannot be played, or "" when it can.
    function whyDataRefused(data) {
        if (!data || typeof data !== "object") return "The quiz data (quiz-data.js) could not be read.";
        if (data.format !== 1) return "The quiz data has a format this player does not know.";
        if ([1, 2, 3].indexOf(data.kind) < 0 || !data.settings || !Array.isArray(data.records) ||
            typeof data.settings.customTexts !== "object" || !data.settings.customTexts)
            return "The quiz data is damaged.";
        if (data.records.length === 0)
            return "This quiz has no questions. Add a question before running the quiz.";
        return "";
    }

    function text(value) {
        return typeof value === "string" ? value : "";
    }

    function texts(list, count) {
        // A list as the exporter writes it is kept; only a damaged one is rebuilt.
        if (Array.isArray(list) && list.length === count &&
            list.every(function (item) { return typeof item === "string"; }))
            return list;
        var out = [];
        for (var i = 0; i < count; ++i) out.push(text(Array.isArray(list) ? list[i] : ""));
        return out;
    }

    // Every field a display reads, present and of its type, whatever the file holds.
    function normalRecord(record) {
        record = record && typeof record === "object" ? record : {};
        return {
            identifier: text(record.identifier),
            question: text(record.question),
            answer: text(record.answer),
            questionLines: texts(record.questionLines, 6),
            correctAnswer: text(record.correctAnswer),
            matches: texts(record.matches, 9),
            wrongAnswers: texts(record.wrongAnswers, 5),
            previewEntry: text(record.previewEntry),
            hasInformation: record.hasInformation === true
        };
    }

    function Run(data, scorm) {
        this.data = data;
        this.kind = data.kind;
        this.settings = data.settings;
        this.scorm = scorm;
        this.runList = [];
        this.N = 0;
        this.questionNumber = 0;
        this.questionsCorrect = 0;
        this.percent = 0;
        this.scoreGroup = 0;
        this.quitRequested = false;
        this.pages = null;
        this.currentPage = 0;
        this.lastPage = false;
        this.recordInHand = null;
    }

    Run.prototype.findTopic = function (name) {
        var topics = this.data.topics || {};
        var key = R.upperAscii(name);
        return Object.prototype.hasOwnProperty.call(topics, key) ? topics[key] : null;
    };

    Run.prototype.showInformation = function (record) {
        return T.showTopic(this, this.findTopic(record.identifier), "");
    };

    Run.prototype.confirmQuit = function () {
        var self = this;
        return S.messageBox(this.settings.customTexts.quitConfirmation + "\r\n", "yesno")
            .then(function (yes) {
                if (yes) self.quitRequested = true;
                return yes;
            });
    };

    Run.prototype.askedQuestions = function () {
        return this.runList.map(function (entry) {
            return { identifier: entry.record.identifier, correct: entry.correct };
        });
    };

    function aboutBoxAt(settings, atStart) {
        if (!settings.showAboutBox || !settings.aboutBox) return false;
        var when = settings.aboutBox.whenToShow;
        return when === 2 || when === (atStart ? 0 : 1);
    }

    // A program or document cannot start in a browser; the topic says so.
    function actOnCommand(run, enabled, command) {
        if (!enabled || !command || MEDIA_COMMANDS.indexOf(command.linkType) < 0)
            return Promise.resolve();
        return T.showTopic(run, command, run.settings.programTitle);
    }

    async function openingItems(run) {
        var s = run.settings;
        await actOnCommand(run, s.runOpeningCommand, s.openingCommand);
        if (aboutBoxAt(s, true)) await S.showAboutBox(s.aboutBox, T.mediaUrl);
        if (s.showIntroduction && run.data.introduction)
            await T.showIntroduction(run, run.data.introduction);
    }

    async function closingItems(run) {
        var s = run.settings;
        if (aboutBoxAt(s, false)) await S.showAboutBox(s.aboutBox, T.mediaUrl);
        await actOnCommand(run, s.runClosingCommand, s.closingCommand);
    }

    async function askTheQuestions(run) {
        var s = run.settings;
        var total = run.data.records.length;
        var offered = R.questionsOfferedInRun(total);
        run.N = offered;
        if (!s.takeAllQuestions)
            run.N = R.clampQuestionsToTake(
                await S.askQuestionsToTake(s.customTexts, total, offered), offered);
        run.runList = R.shuffleQuestions(total, run.N).map(function (number) {
            return { record: run.data.records[number - 1], correct: false };
        });
        if (run.kind === 1) run.pages = R.planPages(run.N);
        if (s.allowQuestionPreview) await Results.offerPreQuizList(run);
        if (run.kind === 1) {
            for (var page = 1; page <= run.pages.sizes.length; ++page) {
                run.currentPage = page;
                run.lastPage = page === run.pages.sizes.length;
                if ((await D.showMatchPage(run)) === "quit") run.quitRequested = true;
                if (run.quitRequested) break;
            }
        } else {
            for (var i = 0; i < run.N; ++i) {
                run.recordInHand = run.runList[i];
                run.questionNumber += 1;
                var show = run.kind === 2 ? D.showTypedQuestion : D.showChoiceQuestion;
                if ((await show(run)) === "quit") run.quitRequested = true;
                if (run.quitRequested) break;
            }
        }
    }

    async function resultsChain(run) {
        var s = run.settings;
        await Results.showResults(run);
        run.scoreGroup = R.scoreGroup(run.percent, s);
        // Where a page hosting the quiz can read the group, as from the desktop's swap file.
        document.body.setAttribute("data-score-group", String(run.scoreGroup));
        run.scorm.reportRun(run.kind, run.percent, R.resultPassed(run.percent, s.passPercentage),
            run.askedQuestions());
        await Results.showGroupFeedback(run);
        if (s.saveResultsToDisk) await Results.saveResultsFile(run);
        if (s.saveResultsToPrinter) await Results.offerPrintResults(run);
        if (s.allowPostQuizReview) await Results.offerPostQuizList(run);
    }

    function ended(text) {
        var stage = document.getElementById("stage");
        var panel = S.el("div", "ended", text);
        panel.id = "Ended";
        stage.appendChild(panel);
        document.body.setAttribute("data-state", "ended");
    }

    async function runQuiz(data, scorm) {
        var run = new Run(data, scorm);
        document.title = data.settings.programTitle || document.title;
        await T.showBackground(data.settings);
        await openingItems(run);
        await askTheQuestions(run);
        if (!run.quitRequested) await resultsChain(run);
        else scorm.abandon();
        await closingItems(run);
        ended(data.settings.programTitle);
        return run;
    }

    function start() {
        var data = root.TAVRIN_QUIZ;
        var scorm = root.TavrinScorm.start(root);
        root.addEventListener("pagehide", function () { scorm.abandon(); });
        var refused = whyDataRefused(data);
        if (refused) {
            S.messageBox(refused, "error").then(function () { ended(""); });
            return;
        }
        data.records = data.records.map(normalRecord);
        document.body.setAttribute("data-state", "running");
        runQuiz(data, scorm).catch(function (error) {
            S.messageBox(String(error && error.message ? error.message : error), "error");
        });
    }

    root.TavrinPlayer = { whyDataRefused: whyDataRefused, start: start };
    if (document.readyState === "loading") document.addEventListener("DOMContentLoaded", start);
    else start();
})(this);
