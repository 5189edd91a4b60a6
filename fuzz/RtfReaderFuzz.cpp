// Feeds arbitrary bytes to the rich-text reader. Whatever the input, reading
// must end without a fault, and what was read must survive the writer: the
// writer's output reads back to the very same document (for plain text, which
// carries no face or size, to the same text).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/rtf/RtfReader.h"
#include "core/rtf/RtfWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view source(reinterpret_cast<const char*>(data), size);
    const tavrin::RichDocument document = tavrin::RtfReader::Read(source);
    const std::string written = tavrin::RtfWriter::Write(document);
    const tavrin::RichDocument reread = tavrin::RtfReader::Read(written);
    const bool same = tavrin::RtfReader::LooksLikeRtf(source)
                          ? reread == document
                          : reread.plainText() == document.plainText();
    if (!same)
        std::abort();
    return 0;
}
