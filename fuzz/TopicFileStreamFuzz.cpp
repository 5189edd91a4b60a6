// Feeds arbitrary bytes, as a topic file on disk, to the routines the program
// uses on topic files: the streaming reads, the rewrites in place and the
// upgrade of the earlier format. Each must read or refuse, never crash. The
// index block a compile streams must not depend on where reads cut the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "core/bytes/FileError.h"
#include "core/topics/TopicFile.h"
#include "core/topics/TopicIndexBuilder.h"

namespace {

// One file per fuzzing process, removed when it ends.
struct TemporaryTopicFile {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("tavrin-topic-fuzz-" + std::to_string(::getpid()) + ".QAR");
    ~TemporaryTopicFile() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
};

const std::filesystem::path& TopicFile() {
    static const TemporaryTopicFile file;
    return file.path;
}

void WriteInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream out(TopicFile(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

std::string StreamedIndex(std::string_view text, std::size_t piece) {
    std::string block;
    tavrin::TopicIndexStream stream([&block](std::string_view bytes) { block += bytes; });
    for (std::size_t at = 0; at < text.size(); at += piece)
        stream.feed(text.substr(at, piece));
    const auto header = stream.finish().bytes();
    block.replace(0, header.size(), reinterpret_cast<const char*>(header.data()), header.size());
    return block;
}

void CheckIndexIgnoresReadCuts(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t piece = size == 0 ? 1 : 1 + data[0] % 7;
    try {
        if (StreamedIndex(text, piece) != StreamedIndex(text, text.size() + 1))
            std::abort();
    } catch (const tavrin::FormatError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavrin;
    const auto& file = TopicFile();
    WriteInput(data, size);
    CheckIndexIgnoresReadCuts(data, size);
    try {
        std::vector<std::string> names;
        ListTopicsForSource(names, file, "HYPER");
        const std::string first = names.empty() ? "Q1" : names.front();
        std::vector<std::string> lines;
        FindTopic(file, first, "HYPER", lines);
        TopicExists(file, first, "", "HYPER");
        std::vector<std::string> introduction;
        ReadIntroduction(file, introduction);

        ReplaceCommandTopic(file, "NEW", first, 2, "A.BMP,5", "HYPER");
        ReplaceIntroduction(file, {"{\\rtf1 Hello}"});
        DeleteTopic(file, "NEW", "HYPER");
        WriteInput(data, size);
        UpgradeTopicFile(file);
    } catch (const FileError&) {
    } catch (const FormatError&) {
    }
    return 0;
}
