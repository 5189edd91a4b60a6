// Reporting to a learning platform through the SCORM 1.2 run-time API. The
// API object is looked for in the parent windows and then the opener's; when
// there is none the quiz plays as a plain web page.
(function (root) {
    "use strict";

    var MAX_LEVELS = 7;

    function apiInChain(win) {
        for (var level = 0; win && level <= MAX_LEVELS; ++level) {
            try {
                if (win.API) return win.API;
            } catch (e) {
                return null; // a window of another origin cannot hold our API
            }
            if (!win.parent || win.parent === win) return null;
            win = win.parent;
        }
        return null;
    }

    function findApi(win) {
        var api = apiInChain(win);
        if (!api && win.opener) api = apiInChain(win.opener);
        return api;
    }

    // SCORM 1.2 identifiers are printable ASCII.
    function interactionId(identifier, index) {
        var id = identifier.replace(/[^\x21-\x7e]/g, "_");
        return id !== "" ? id.slice(0, 255) : "Q" + (index + 1);
    }

    var INTERACTION_TYPES = { 1: "matching", 2: "fill-in", 3: "choice" };

    function Session(api) {
        this.api = api;
        this.finished = false;
        this.started = api ? String(api.LMSInitialize("")) === "true" : false;
    }

    Session.prototype.set = function (name, value) {
        return String(this.api.LMSSetValue(name, String(value))) === "true";
    };

    // A finished run: the score in percent, passed or failed, and one
    // interaction per asked question in asking order.
    Session.prototype.reportRun = function (kind, percent, passed, asked) {
        if (!this.started || this.finished) return;
        this.set("cmi.core.score.min", "0");
        this.set("cmi.core.score.max", "100");
        this.set("cmi.core.score.raw", String(percent));
        this.set("cmi.core.lesson_status", passed ? "passed" : "failed");
        var self = this;
        asked.forEach(function (question, n) {
            var prefix = "cmi.interactions." + n + ".";
            self.set(prefix + "id", interactionId(question.identifier, n));
            self.set(prefix + "type", INTERACTION_TYPES[kind]);
            self.set(prefix + "result", question.correct ? "correct" : "wrong");
        });
        this.finish();
    };

    // A run that was quit, or a page left early, stays incomplete.
    Session.prototype.abandon = function () {
        if (!this.started || this.finished) return;
        this.set("cmi.core.lesson_status", "incomplete");
        this.finish();
    };

    Session.prototype.finish = function () {
        this.finished = true;
        this.api.LMSCommit("");
        this.api.LMSFinish("");
    };

    root.TavrinScorm = {
        findApi: findApi,
        interactionId: interactionId,
        start: function (win) { return new Session(findApi(win)); }
    };
})(this);
