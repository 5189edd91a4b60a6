// Feeds arbitrary bytes to the in-memory topic readers, the rewrites and the
// index builder; the index built from them must always read back, and every
// topic it finds must be decided on or refused.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/bytes/FileError.h"
#include "core/topics/TopicCommand.h"
#include "core/topics/TopicDisplay.h"
#include "core/topics/TopicIndex.h"
#include "core/topics/TopicIndexBuilder.h"
#include "core/topics/TopicRewrite.h"
#include "core/topics/TopicText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavrin;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TopicText topics(text);

    std::vector<std::string> names;
    topics.listTopicsForSource(names, "HYPER");
    std::vector<std::string> introduction;
    topics.readIntroduction(introduction);
    TopicRewrite::replaceIntroduction(text, "[^INTRODUCTION^]\r\n]\r\n");
    TopicRewrite::upgrade(text);

    const auto index = BuildTopicIndexBytes(text);
    const TopicIndex reader(index); // must never throw on our own output
    for (std::size_t i = 0; i < reader.size(); ++i)
        reader.blockLines(i);
    for (const auto& name : names) {
        const auto lines = reader.findTopic(name, "HYPER");
        if (!lines)
            continue;
        try {
            DecideTopicDisplay(*lines, "/quiz/");
            FilesNamedByTopic(*lines);
        } catch (const FormatError&) {
        }
    }
    return 0;
}
