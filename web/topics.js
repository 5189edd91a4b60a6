// Study information, feedback, the introduction and the background screen.
// Media are looked up only inside the media folder; the formatted text the
// exporter wrote is the one piece of markup the player inserts, and even that
// passes through a filter that drops scripts and event handlers.
(function (root) {
    "use strict";
    var R = root.TavrinRules;
    var S = root.TavrinScreens;
    var el = S.el;

    var DESIGN_WIDTH = 640;
    var DESIGN_HEIGHT = 480;

    function mediaUrl(name) {
        var safe = R.safeMediaName(name);
        return safe ? "media/" + encodeURIComponent(safe) : "";
    }

    var DROPPED_ELEMENTS = "script,iframe,object,embed,link,meta,base,form,style";

    // The exporter's HTML, as nodes without anything that could run.
    function formattedText(html) {
        var doc = new DOMParser().parseFromString("<body>" + (html || "") + "</body>", "text/html");
        doc.querySelectorAll(DROPPED_ELEMENTS).forEach(function (node) { node.remove(); });
        doc.querySelectorAll("*").forEach(function (node) {
            Array.prototype.slice.call(node.attributes).forEach(function (attr) {
                var name = attr.name.toLowerCase();
                var value = attr.value.replace(/\s+/g, "").toLowerCase();
                var link = name === "href" || name === "src" || name === "xlink:href";
                if (name.indexOf("on") === 0 || (link && /^(javascript|data|vbscript):/.test(value)))
                    node.removeAttribute(attr.name);
            });
            if (node.tagName === "IMG") node.setAttribute("src", mediaUrl(node.getAttribute("src") || ""));
        });
        var holder = el("div", "formatted-text");
        Array.prototype.slice.call(doc.body.childNodes).forEach(function (node) {
            holder.appendChild(document.importNode(node, true));
        });
        return holder;
    }

    function missing(name) {
        return S.messageBox("The file " + name + " is missing", "error");
    }

    // Paints a screen's background; a missing picture leaves the colour.
    function paintBackground(node, kind, colour, graphic, wallpaper) {
        node.style.backgroundColor = R.colourCss(colour);
        if (kind === 2 && graphic) {
            return loadPicture(graphic).then(function (url) {
                if (!url) return S.messageBox("The graphic file " + graphic + " was not found", "error");
                node.style.backgroundImage = "url(\"" + url + "\")";
                node.style.backgroundSize = "100% 100%";
            });
        }
        if (kind === 3 && wallpaper) {
            if (/\.JPG$/.test(R.upperAscii(wallpaper)))
                return S.messageBox("Wallpaper must be a .BMP file.\n\r\n\rReplace " + wallpaper +
                    " with a .BMP Graphic.", "error");
            return loadPicture(wallpaper).then(function (url) {
                if (!url) return S.messageBox("The Wallpaper file " + wallpaper + " was not found", "error");
                node.style.backgroundImage = "url(\"" + url + "\")";
                node.style.backgroundRepeat = "repeat";
            });
        }
        return Promise.resolve();
    }

    // Resolves to the picture's address once it loads, or "" when it cannot.
    function loadPicture(name) {
        var url = mediaUrl(name);
        if (!url) return Promise.resolve("");
        return new Promise(function (resolve) {
            var probe = new Image();
            probe.onload = function () { resolve(url); };
            probe.onerror = function () { resolve(""); };
            probe.src = url;
        });
    }

    function showBackground(settings) {
        var screen = document.getElementById("background");
        screen.style.backgroundColor = "#808080";
        var kind = settings.backgroundKind;
        if (kind < 1 || kind > 3) return Promise.resolve();
        return paintBackground(screen, kind, settings.backgroundColour, settings.backgroundGraphic,
            settings.backgroundWallpaper);
    }

    // Plays a sound to its end (or until it fails) without a window.
    function playSound(name) {
        return new Promise(function (resolve) {
            var audio = new Audio(mediaUrl(name));
            audio.onended = resolve;
            audio.onerror = function () { missing(name).then(resolve); };
            audio.play().catch(resolve);
        });
    }

    function mediaPlayer(run, media) {
        var win = S.openWindow({ caption: run.settings.mediaInstruction || "", className: "media-player",
            id: "TMediaPlayForm" });
        var video = !!media.video;
        var player = el(video ? "video" : "audio", "player");
        player.controls = true;
        player.src = mediaUrl(video ? media.video : media.sound);
        player.onerror = function () {
            win.close();
            missing(video ? media.video : media.sound);
        };
        win.client.appendChild(player);
        return win.done.then(function () { player.pause(); });
    }

    function showPicture(run, caption, media) {
        var win = S.openWindow({ caption: caption, className: "picture", id: "TShowMultForm",
            width: DESIGN_WIDTH, height: DESIGN_HEIGHT });
        var img = el("img", "stretched");
        img.alt = "";
        img.src = mediaUrl(media.picture);
        win.client.appendChild(img);
        var sound = null;
        img.onerror = function () {
            win.close();
            missing(media.picture);
        };
        img.onload = function () {
            if (media.sound && !win.closed) {
                sound = new Audio(mediaUrl(media.sound));
                sound.play().catch(function () {});
            }
        };
        win.client.addEventListener("contextmenu", function (event) {
            event.preventDefault();
            win.close();
        });
        win.onKey = function (event) {
            if (event.key !== "Enter") return false;
            win.close();
            return true;
        };
        if (media.displayMilliseconds >= 1)
            setTimeout(function () { win.close(); }, media.displayMilliseconds);
        return win.done.then(function () {
            // A tune stops with its picture; a wave sound plays to its end.
            if (sound && /\.(MID|OGG)$/.test(R.upperAscii(media.sound))) sound.pause();
        });
    }

    function showMultimedia(run, caption, media) {
        if (media.video) return mediaPlayer(run, media);
        if (media.picture) return showPicture(run, caption, media);
        if (!media.sound) return Promise.resolve();
        return /\.WAV$/.test(R.upperAscii(media.sound)) ? playSound(media.sound)
            : mediaPlayer(run, media);
    }

    // Framed at the view port's corner in the design area, as on the desktop.
    function textWindow(caption, design, html) {
        var win = S.openWindow({ caption: caption, className: "formatted", id: "TShowHTextForm",
            width: (design.vpWidth || 400) + 3, height: design.vpHeight || 200,
            at: { left: design.vpLeft || 0, top: design.vpTop || 0 } });
        var panel = formattedText(html);
        panel.style.background = R.colourCss(design.vpBack);
        win.client.appendChild(panel);
        var strip = el("div", "button-strip");
        var ok = S.button("&OK", "OKBtn", function () { win.close(); });
        ok.className += " default";
        strip.appendChild(ok);
        win.client.appendChild(strip);
        return win.done;
    }

    // A 640 x 480 screen with a background and a text panel.
    function textScreen(caption, design, html, id, bars) {
        var win = S.openWindow({ caption: caption, className: "text-screen", id: id,
            width: DESIGN_WIDTH, height: DESIGN_HEIGHT });
        var top = 0;
        var bottom = DESIGN_HEIGHT;
        (bars || []).forEach(function (bar) { win.client.appendChild(bar.node); });
        (bars || []).forEach(function (bar) {
            if (bar.at === "top") {
                S.place(bar.node, 0, top, DESIGN_WIDTH, bar.height);
                top += bar.height;
            } else {
                bottom -= bar.height;
                S.place(bar.node, 0, bottom, DESIGN_WIDTH, bar.height);
            }
        });
        var screen = el("div", "screen-area");
        S.place(screen, 0, top, DESIGN_WIDTH, bottom - top);
        win.client.appendChild(screen);
        var panel = formattedText(html);
        panel.classList.add("text-panel");
        panel.style.background = R.colourCss(design.vpBack);
        if (design.fullscreen) S.place(panel, 0, 0, DESIGN_WIDTH, bottom - top);
        else S.place(panel, design.vpLeft, design.vpTop, design.vpWidth, design.vpHeight);
        screen.appendChild(panel);
        screen.addEventListener("contextmenu", function (event) {
            event.preventDefault();
            win.close();
        });
        paintBackground(screen, design.displaytype, design.sBackColor, design.sGraphic, design.sWallpaper);
        return win;
    }

    function notesWindow(caption, text) {
        var win = S.openWindow({ caption: caption, className: "notes", id: "THNotesForm",
            width: 520, height: 360 });
        win.client.appendChild(el("pre", "notes-text", text));
        var strip = el("div", "button-strip");
        var ok = S.button("&OK", "OKBtn", function () { win.close(); });
        ok.className += " default";
        strip.appendChild(ok);
        win.client.appendChild(strip);
        return win.done;
    }

    // Shows a topic and resolves when its windows are closed. The caption is
    // empty for question information, as on the desktop.
    function showTopic(run, topic, caption) {
        if (!topic) return Promise.resolve();
        var first = topic.unsupported
            ? S.messageBox(topic.unsupported, "info", caption) : Promise.resolve();
        return first.then(function () {
            if (typeof topic.html === "string" && topic.design) {
                if (topic.linkType === 5)
                    return textScreen(caption, topic.design, topic.html, "TTxtVPDispForm").done;
                return textWindow(caption, topic.design, topic.html);
            }
            if (topic.media) return showMultimedia(run, caption, topic.media);
            if (typeof topic.text === "string") return notesWindow(caption, topic.text);
            return undefined;
        });
    }

    function bar(text, fontSpec, colour, at) {
        var node = el("div", "intro-bar", text);
        var font = R.parseFont(fontSpec);
        root.TavrinDisplays.applyFont(node, fontSpec);
        node.style.background = R.colourCss(colour);
        return { node: node, at: at, height: 2 * (font.size > 0 ? font.size : 8) };
    }

    function showIntroduction(run, intro) {
        var s = run.settings;
        var bars = [];
        if (intro.useMenuBar) {
            var menu = el("div", "menu-bar");
            menu.appendChild(S.button(s.closeButtonText || "&Close", "CloseItem", function () {
                win.close();
            }));
            if (s.showAboutBox)
                menu.appendChild(S.button(s.aboutButtonText || "&About", "AboutItem", function () {
                    S.showAboutBox(s.aboutBox, mediaUrl);
                }));
            bars.push({ node: menu, at: "top", height: 24 });
        }
        if (intro.useTitleBar)
            bars.push(bar(intro.titleBarText, intro.titleBarFont, intro.titleBarColour, "top"));
        if (intro.useStatusBar)
            bars.push(bar(intro.statusBarText, intro.statusBarFont, intro.statusBarColour, "bottom"));
        var win = textScreen(s.programTitle, intro.design || {}, intro.html, "TIntDispForm", bars);
        return win.done;
    }

    root.TavrinTopics = {
        mediaUrl: mediaUrl,
        formattedText: formattedText,
        showBackground: showBackground,
        showTopic: showTopic,
        showMultimedia: showMultimedia,
        showIntroduction: showIntroduction
    };
})(this);
