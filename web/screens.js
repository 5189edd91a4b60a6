// The window kit of the web player: modal windows stacked over the background,
// message boxes and the small dialogs of a run. Every quiz text is set with
// textContent; nothing the quiz holds is ever parsed as markup here.
(function (root) {
    "use strict";
    var R = root.TavrinRules;

    // A caption with "&" marking its key: the text without the marks and the key.
    function accelerated(caption) {
        var key = "";
        var text = caption.replace(/&(&|.)/g, function (all, ch) {
            if (ch === "&") return "&";
            if (!key) key = ch.toLowerCase();
            return ch;
        });
        return { text: text, key: key };
    }

    function el(tag, className, text) {
        var node = document.createElement(tag);
        if (className) node.className = className;
        if (text !== undefined && text !== null) node.textContent = text;
        return node;
    }

    function button(caption, id, onClick) {
        var shown = accelerated(caption);
        var node = el("button", "btn", shown.text);
        node.type = "button";
        if (id) node.id = id;
        if (shown.key) node.accessKey = shown.key;
        node.addEventListener("click", function () {
            if (!node.disabled && node.style.display !== "none") onClick();
        });
        return node;
    }

    function show(node, visible) {
        node.style.display = visible ? "" : "none";
    }

    function place(node, left, top, width, height) {
        node.style.position = "absolute";
        node.style.left = left + "px";
        node.style.top = top + "px";
        if (width !== undefined) node.style.width = width + "px";
        if (height !== undefined) node.style.height = height + "px";
    }

    // The open windows, topmost last; keys go to the topmost.
    var stack = [];

    // The area the author places windows on, centred on the page as on the screen.
    var DESIGN_WIDTH = 640;
    var DESIGN_HEIGHT = 480;

    // Holds a window whose frame sits at `at` inside the design area, scaled
    // down with the area only while the page is smaller than it.
    function inDesignArea(frame, at) {
        var area = el("div", "design-area");
        var inner = el("div", "design-area-inner");
        place(frame, at.left, at.top);
        inner.appendChild(frame);
        area.appendChild(inner);
        function fit() {
            var scale = Math.min(1, window.innerWidth / DESIGN_WIDTH,
                window.innerHeight / DESIGN_HEIGHT);
            area.style.width = DESIGN_WIDTH * scale + "px";
            area.style.height = DESIGN_HEIGHT * scale + "px";
            inner.style.transform = scale < 1 ? "scale(" + scale + ")" : "";
        }
        fit();
        window.addEventListener("resize", fit);
        return { node: area, release: function () { window.removeEventListener("resize", fit); } };
    }

    function stage() {
        return document.getElementById("stage");
    }

    // A modal window: { node, client, close(result), done } where `done` is
    // a promise of the result. With `at` ({left, top}) the window is placed in
    // the design area instead of centred. `onKey(event)` returns true when it used the
    // key; `onClose()` is asked when the close box or Esc wants to close and
    // returns (a promise of) whether the window may go.
    function openWindow(options) {
        var frame = el("div", "window " + (options.className || ""));
        if (options.id) frame.id = options.id;
        var titleBar = el("div", "window-caption");
        var titleText = el("span", "window-title", options.caption || "");
        titleBar.appendChild(titleText);
        var closeBox = el("button", "window-close", "\u00d7");
        closeBox.type = "button";
        closeBox.title = "Close";
        titleBar.appendChild(closeBox);
        var client = el("div", "window-client");
        if (options.width) client.style.width = options.width + "px";
        if (options.height) client.style.height = options.height + "px";
        frame.appendChild(titleBar);
        frame.appendChild(client);
        var layer = el("div", "layer");
        var placed = options.at ? inDesignArea(frame, options.at) : null;
        layer.appendChild(placed ? placed.node : frame);
        stage().appendChild(layer);

        var resolveDone;
        var win = {
            node: frame,
            client: client,
            setCaption: function (text) { titleText.textContent = text; },
            onKey: options.onKey || null,
            onClose: options.onClose || null,
            cancelResult: options.cancelResult,
            done: new Promise(function (resolve) { resolveDone = resolve; }),
            closed: false,
            close: function (result) {
                if (win.closed) return;
                win.closed = true;
                var at = stack.indexOf(win);
                if (at >= 0) stack.splice(at, 1);
                if (placed) placed.release();
                layer.remove();
                resolveDone(result);
            },
            // The close box, Esc or an outside request: asks onClose first.
            requestClose: function (result) {
                if (win.closed) return;
                Promise.resolve(win.onClose ? win.onClose() : true).then(function (ok) {
                    if (ok) win.close(result);
                });
            }
        };
        closeBox.addEventListener("click", function () { win.requestClose(win.cancelResult); });
        stack.push(win);
        setTimeout(function () {
            var first = frame.querySelector("[data-focus]") || frame.querySelector("button.default");
            if (first && !win.closed) first.focus();
        }, 0);
        return win;
    }

    function topWindow() {
        return stack.length ? stack[stack.length - 1] : null;
    }

    document.addEventListener("keydown", function (event) {
        var win = topWindow();
        if (!win || event.altKey || event.ctrlKey || event.metaKey) return;
        if (win.onKey && win.onKey(event)) {
            event.preventDefault();
            return;
        }
        if (event.key === "Escape") {
            event.preventDefault();
            win.requestClose(win.cancelResult);
        } else if (event.key === "Enter") {
            var target = event.target;
            if (target && target.tagName === "BUTTON" && win.node.contains(target)) return;
            var def = win.node.querySelector("button.default:not([disabled])");
            if (def && def.style.display !== "none") {
                event.preventDefault();
                def.click();
            }
        }
    });

    // A message box: kind "info" (OK), "error" (OK) or "yesno" (Yes, No).
    // Resolves true for Yes or OK.
    function messageBox(text, kind, caption) {
        var win = openWindow({ caption: caption || "", className: "message " + kind,
            cancelResult: kind !== "yesno" });
        win.node.setAttribute("role", kind === "yesno" ? "alertdialog" : "dialog");
        var body = el("div", "message-text", text.replace(/\n\r/g, "\n").replace(/\r\n?/g, "\n"));
        var buttons = el("div", "message-buttons");
        if (kind === "yesno") {
            var yes = button("&Yes", "YesBtn", function () { win.close(true); });
            yes.className += " default";
            buttons.appendChild(yes);
            buttons.appendChild(button("&No", "NoBtn", function () { win.close(false); }));
        } else {
            var ok = button("OK", "OKBtn", function () { win.close(true); });
            ok.className += " default";
            buttons.appendChild(ok);
        }
        win.client.appendChild(body);
        win.client.appendChild(buttons);
        return win.done;
    }

    // How many questions to take; Cancel or closing takes all offered.
    function askQuestionsToTake(texts, total, offered) {
        var win = openWindow({ caption: "", className: "count-dialog", id: "TQTotakeForm",
            cancelResult: offered });
        var grid = el("div", "count-grid");
        grid.appendChild(el("span", "", texts.totalQuestionsLabel));
        grid.appendChild(el("span", "count-total", String(total)));
        grid.appendChild(el("span", "", texts.questionsToTakeLabel));
        var field = el("input", "count-field");
        field.id = "SpinEdit1";
        field.type = "number";
        field.min = "1";
        field.max = String(offered);
        field.step = "1";
        field.value = String(offered);
        field.setAttribute("data-focus", "");
        field.addEventListener("input", function () {
            if (field.value.length > 4) field.value = field.value.slice(0, 4);
            if (/^\d+$/.test(field.value)) {
                var kept = R.clampQuestionsToTake(parseInt(field.value, 10), offered);
                if (String(kept) !== field.value) field.value = String(kept);
            }
        });
        grid.appendChild(field);
        var buttons = el("div", "message-buttons");
        var ok = button("OK", "OKBtn", function () {
            win.close(R.clampQuestionsToTake(R.questionsToTakeFromText(field.value, offered), offered));
        });
        ok.className += " default";
        buttons.appendChild(ok);
        buttons.appendChild(button("Cancel", "CancelBtn", function () { win.close(offered); }));
        win.client.appendChild(grid);
        win.client.appendChild(buttons);
        return win.done;
    }

    function aboutBoxComments(lines) {
        var text = "";
        lines.forEach(function (line) {
            text += line !== "" ? line + " " : "\n\n";
        });
        return text;
    }

    function showAboutBox(about, mediaUrl) {
        var win = openWindow({ caption: about.caption, className: "about", id: "TAboutBox" });
        var panel = el("div", "about-panel");
        var icon = R.safeMediaName(about.iconFile || "");
        if (icon) {
            var img = el("img", "about-icon");
            img.alt = "";
            img.src = mediaUrl(icon);
            panel.appendChild(img);
        }
        var labels = el("div", "about-labels");
        [about.programName, about.versionLine, about.authorLine].forEach(function (line) {
            labels.appendChild(el("div", "about-line", line));
        });
        labels.appendChild(el("div", "about-comments", aboutBoxComments(about.commentLines || [])));
        panel.appendChild(labels);
        win.client.appendChild(panel);
        var buttons = el("div", "message-buttons");
        var ok = button("OK", "OKBtn", function () { win.close(); });
        ok.className += " default";
        buttons.appendChild(ok);
        win.client.appendChild(buttons);
        return win.done;
    }

    root.TavrinScreens = {
        accelerated: accelerated,
        el: el,
        button: button,
        show: show,
        place: place,
        openWindow: openWindow,
        topWindow: topWindow,
        messageBox: messageBox,
        askQuestionsToTake: askQuestionsToTake,
        showAboutBox: showAboutBox,
        aboutBoxComments: aboutBoxComments
    };
})(this);
