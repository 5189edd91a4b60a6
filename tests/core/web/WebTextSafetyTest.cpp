#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/web/JsonWriter.h"
#include "core/web/MediaFolder.h"
#include "core/web/RtfToHtml.h"
#include "core/web/ScormManifest.h"

namespace tavrin {
namespace {

TEST(BareMediaName, NamesWithFoldersAreCutToTheirFileAndClimbingNamesRefused) {
    const struct {
        const char* stored;
        std::optional<std::string> bare;
    } cases[] = {
        {"PIC.BMP", "PIC.BMP"},
        {"sub\\pic.bmp", "pic.bmp"},
        {"sub/pic.bmp", "pic.bmp"},
        {"C:\\MEDIA\\PIC.BMP", "PIC.BMP"},
        {"c:pic.bmp", "pic.bmp"},
        {"\\\\server\\share\\pic.bmp", "pic.bmp"},
        {"/etc/passwd", "passwd"},
        {"..\\pic.bmp", std::nullopt},
        {"../../pic.bmp", std::nullopt},
        {"a\\..\\..\\pic.bmp", std::nullopt},
        {"..", std::nullopt},
        {".", std::nullopt},
        {"C:", std::nullopt},
        {"", std::nullopt},
        {"\\/\\", std::nullopt},
        {"bad\x01name.bmp", std::nullopt},
        {"caf\xE9.bmp", "caf\xC3\xA9.bmp"}, // Windows-1252 to UTF-8
    };
    for (const auto& c : cases)
        EXPECT_EQ(BareMediaName(c.stored), c.bare) << c.stored;
}

TEST(RtfToHtml, TextAndFontNamesNeverBecomeMarkup) {
    const std::string html =
        RtfToHtml::ConvertSource("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial\"><script>x</script>;}}"
                                 "{\\colortbl;\\red255\\green0\\blue0;}"
                                 "\\f0\\fs24\\cf1\\b <img src=x onerror=alert(1)> & \\'e9\\par}");
    EXPECT_EQ(html.find("<script"), std::string::npos) << html;
    EXPECT_EQ(html.find("<img"), std::string::npos) << html;
    for (const char* part :
         {"&lt;img src=x onerror=alert(1)&gt; &amp; \xC3\xA9", "color:#ff0000;",
          "font-weight:bold;", "font-size:12pt;", "font-family:Arialscriptxscript;"})
        EXPECT_NE(html.find(part), std::string::npos) << part << " in " << html;

    // Plain 8-bit text (an introduction typed without formatting) is escaped too.
    EXPECT_EQ(RtfToHtml::ConvertSource("a<b>\r\n\r\n"),
              "<div style='white-space:pre-wrap'><div>a&lt;b&gt;</div><div><br></div></div>");
}

TEST(JsonWriter, StringsAreEscapedAndMalformedUtf8Replaced) {
    JsonWriter json;
    json.beginObject()
        .field("k\"", std::string("q\"b\\n\n\x01\x7f</script>\xE2\x80\xA8\xFF"))
        .key("a")
        .beginArray()
        .value(1)
        .value(true)
        .null()
        .endArray()
        .endObject();
    EXPECT_EQ(json.text(),
              "{\"k\\\"\":\"q\\\"b\\\\n\\n\\u0001\\u007f</script>\\u2028\xEF\xBF\xBD\","
              "\"a\":[1,true,null]}");
}

// Through a sink the document arrives in pieces whose sum is the document,
// whatever lies across the buffer's edges: long text, many escapes, many values.
TEST(JsonWriter, ASinkReceivesTheSameDocumentInPieces) {
    const auto write = [](JsonWriter& json) {
        json.beginObject().field("long", std::string(150000, 'x'));
        json.field("escapes", std::string(70000, '"') + "\xC3\xA9");
        json.key("many").beginArray();
        for (int i = 0; i < 20000; ++i)
            json.value(i).value("ab");
        json.endArray().endObject();
    };
    JsonWriter whole;
    write(whole);
    std::string streamed;
    std::size_t pieces = 0;
    JsonWriter json([&](std::string_view piece) {
        streamed.append(piece);
        ++pieces;
    });
    write(json);
    json.flush();
    EXPECT_EQ(streamed, whole.text());
    EXPECT_GT(pieces, 4u);
}

TEST(ScormManifest, NamesAndTitleAreEscaped) {
    const std::string xml = ScormManifest("Q&A", "Tom & \"Jerry\" <1>", {"media/a&b c.png"});
    for (const char* part : {"<title>Tom &amp; &quot;Jerry&quot; &lt;1&gt;</title>",
                             "<file href=\"media/a%26b%20c.png\"/>", "identifier=\"TAVRIN-Q_A\"",
                             "adlcp:scormtype=\"sco\" href=\"index.html\""})
        EXPECT_NE(xml.find(part), std::string::npos) << part << " in " << xml;
}

} // namespace
} // namespace tavrin
