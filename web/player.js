// Stands in until the web player lands: shows which quiz the folder holds.
"use strict";
(function () {
    const quiz = window.TAVRIN_QUIZ;
    const status = document.getElementById("status");
    if (quiz && status)
        status.textContent = "Quiz " + quiz.quizName + ": " + quiz.records.length + " questions.";
})();
