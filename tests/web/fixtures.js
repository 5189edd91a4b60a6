// Quiz data written by hand, as the exporter would write it, for the browser
// tests: every setting at the value a new quiz starts with, then the case's own.
"use strict";

const CUSTOM_TEXTS = {
    resultsHeading: "Quiz Results", questionsAnswered: "Questions Answered",
    correctAnswers: "Correct Answers", reviewPrompt: "Select a Question to View",
    questionCaption: "Question", answerCaption: "Answer", informationButton: "&Information",
    allQuestionsChoice: "&All Questions", incorrectOnlyChoice: "&Incorrect Only",
    totalQuestionsLabel: "Total Questions", questionsToTakeLabel: "Questions to take",
    scoreLabel: "Score", answeredLabel: "Answered", correctLabel: "Correct",
    selectQuestionCaption: "Select a Question", selectAnswerCaption: "Select an Answer",
    continueButton: "&Continue", quitButton: "&Quit", nextButton: "&Next",
    quitConfirmation: "All results will be lost. Quit anyway?",
    previewOffer: "Would you like to preview the Questions?",
    reviewOffer: "Would you like to study the Questions?",
};

function settings(overrides) {
    return Object.assign({
        takeAllQuestions: true, allowQuestionPreview: false, allowPostQuizReview: false,
        saveResultsToDisk: false, resultsFileName: "", saveResultsToPrinter: false,
        useDataSwapFile: false, questionScreenColour: 0xc0c0c0,
        useTitleBar: true, titleBarText: "Test Quiz", titleFont: "16 0 1 Times New Roman",
        titleBarColour: 0xc0c0c0, useScoreBar: true, scorePanelColour: 0xc0c0c0,
        scorePanelTextColour: 0, scoreBarColour: 0xffffff, progressColour: 0xff0000,
        questionBoxColour: 0xffffff, questionTextColour: 0, questionHighlightColour: 0x0000ff,
        questionSelectedColour: 0x008000, answerBoxColour: 0xffffff, answerTextColour: 0,
        answerHighlightColour: 0x0000ff, inputBoxColour: 0xffffff, inputTextColour: 0,
        passPercentage: 50, failGraphColour: 0x0000ff, passGraphColour: 0x00ff00,
        groupHasFeedback: new Array(11).fill(false), scoreGroupsDefined: false,
        groupLimits: [0, 0, 0, 0, 0],
        programTitle: "Test Program", showVideoAdvisory: false, backgroundKind: 1,
        backgroundColour: 0x808000, backgroundGraphic: "", backgroundWallpaper: "",
        showIntroduction: false, showAboutBox: false,
        aboutBox: { whenToShow: 3, caption: "About", iconFile: "", programName: "",
            versionLine: "", authorLine: "", commentLines: ["", "", "", ""] },
        aboutButtonText: "&About", helpButtonText: "&Help", quitButtonText: "&Quit",
        closeButtonText: "&Close", printButtonText: "&Print", findButtonText: "&Find",
        mediaInstruction: "Press the Start button",
        runOpeningCommand: false, openingCommand: null, runClosingCommand: false,
        closingCommand: null, customTexts: Object.assign({}, CUSTOM_TEXTS),
    }, overrides);
}

function qa(identifier, question, answer, extra) {
    return Object.assign({ identifier, question, answer, hasInformation: false }, extra);
}

function pad(list, count) {
    return list.concat(new Array(count - list.length).fill(""));
}

function ti(identifier, question, matches, extra) {
    return Object.assign({ identifier, questionLines: pad([question], 6),
        correctAnswer: matches[0] || "", matches: pad(matches, 9),
        wrongAnswers: pad([], 5), previewEntry: "", hasInformation: false }, extra);
}

function mc(identifier, question, correct, wrong, extra) {
    return Object.assign({ identifier, questionLines: pad([question], 6),
        correctAnswer: correct, matches: pad([], 9), wrongAnswers: pad(wrong, 5),
        previewEntry: "", hasInformation: false }, extra);
}

function quiz(kind, records, settingsOverrides, extra) {
    return Object.assign({ format: 1, kind, quizName: "DEMO", settings: settings(settingsOverrides),
        records, topics: {}, introduction: null }, extra);
}

module.exports = { settings, quiz, qa, ti, mc };
