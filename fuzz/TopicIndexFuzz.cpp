// Feeds arbitrary bytes to the reader of indexed topic blocks: it must either
// refuse them with FormatError or read every topic within the data.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/bytes/FileError.h"
#include "core/topics/TopicDisplay.h"
#include "core/topics/TopicIndex.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavrin;
    try {
        const TopicIndex reader(std::span<const std::uint8_t>(data, size));
        for (std::size_t i = 0; i < reader.size(); ++i) {
            const auto name = reader.topicName(i);
            reader.blockLines(i);
            const auto lines = reader.findTopic(name, reader.topicSource(i));
            if (lines)
                DecideTopicDisplay(*lines, "/quiz/");
        }
    } catch (const FormatError&) {
    }
    return 0;
}
