#include <gtest/gtest.h>

#include <string>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/files/PassThroughWriter.h"
#include "tests/core/TempFolder.h"

namespace tavrin {
namespace {
namespace fs = std::filesystem;

std::string OldBytes(std::size_t size) {
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i)
        bytes += static_cast<char>('a' + (i * 7 + i / 26) % 26);
    return bytes;
}

// An edit of the old file as it is read: which of its bytes are dropped, and
// what is written instead of or between them. Pieces are views of the block
// where they are kept, copies where the test says so.
struct Edit {
    const char* name;
    std::size_t dropFrom, dropTo; // old bytes [dropFrom, dropTo) are left out
    std::size_t insertAt;         // new bytes go before this old byte
    std::string inserted;
    std::size_t copiedFrom, copiedTo; // old bytes written from a copy, not the block
};

TEST(PassThroughWriter, WritesExactlyWhatItIsGivenWhateverTheKernelCopies) {
    TempFolder temp;
    const std::string old = OldBytes(1000);
    const fs::path source = temp / "OLD";
    WriteFileAtomically(source, old);
    // Blocks of 64 bytes; runs of 40 bytes or more are copied by the kernel.
    const Edit edits[] = {
        {"unchanged", 0, 0, 1000, "", 0, 0},
        {"middle replaced", 300, 310, 310, "NEW", 0, 0},
        {"first bytes dropped", 0, 5, 0, "", 0, 0},
        {"last bytes dropped", 990, 1000, 1000, "", 0, 0},
        {"insert at a block edge", 0, 0, 128, "edge", 0, 0},
        {"old bytes given as copies", 0, 0, 1000, "", 60, 700},
        {"an insert among copies", 0, 0, 50, "x", 40, 1000},
    };
    for (const bool kernelCopies : {true, false}) {
        SetFileFaultHook([kernelCopies](std::string_view step, const fs::path&) {
            return kernelCopies || step != "kernel copy";
        });
        for (const Edit& edit : edits) {
            const fs::path target = temp / "NEW";
            std::string expected;
            AtomicFileWriter out(target, DiskSync::kNoSync);
            PassThroughWriter writer(source, out, 64, 40);
            out.write(std::string_view("head"));
            expected += "head";
            std::size_t blockStart = 0;
            writer.readBlocks([&](std::string_view block) {
                for (std::size_t i = 0; i < block.size(); ++i) {
                    const std::size_t at = blockStart + i;
                    if (at == edit.insertAt) {
                        writer.write(edit.inserted);
                        expected += edit.inserted;
                    }
                    if (at >= edit.dropFrom && at < edit.dropTo)
                        continue;
                    if (at >= edit.copiedFrom && at < edit.copiedTo)
                        writer.write(std::string(1, block[i]));
                    else
                        writer.write(block.substr(i, 1));
                    expected += block[i];
                }
                blockStart += block.size();
            });
            if (edit.insertAt == old.size()) {
                writer.write(edit.inserted);
                expected += edit.inserted;
            }
            out.write(std::string_view("tail"));
            expected += "tail";
            out.commit();
            EXPECT_EQ(ReadFileText(target), expected)
                << edit.name << (kernelCopies ? "" : ", kernel copy refused");
        }
        SetFileFaultHook(nullptr);
    }
}

// Pieces of 10 bytes, as a line reader passes lines: whole ones as views of
// the block, one cut by a block's end as a copy once the next block ends it.
// The cut piece continues a long run where it equals the old bytes, so an
// unchanged file leaves in one kernel copy; a short run has already left.
TEST(PassThroughWriter, APieceCutByABlockEdgeContinuesALongRunItFollows) {
    TempFolder temp;
    const std::string old = OldBytes(1000);
    WriteFileAtomically(temp / "OLD", old);
    struct Case {
        std::uint64_t kernelCopyFrom;
        bool cutPieceChanged;
        int kernelCopies;
    };
    for (const Case& c : {Case{16, false, 1}, Case{16, true, 2}, Case{100, false, 0}}) {
        SCOPED_TRACE(testing::Message()
                     << c.kernelCopyFrom << (c.cutPieceChanged ? " changed" : ""));
        int kernelCopies = 0;
        SetFileFaultHook([&](std::string_view step, const fs::path&) {
            kernelCopies += step == "kernel copy";
            return true;
        });
        AtomicFileWriter out(temp / "NEW", DiskSync::kNoSync);
        PassThroughWriter writer(temp / "OLD", out, 64, c.kernelCopyFrom);
        std::string cut;
        std::string expected;
        std::uint64_t blockStart = 0;
        writer.readBlocks([&](std::string_view block) {
            std::size_t at = 0;
            if (!cut.empty()) {
                at = 10 - cut.size();
                cut += block.substr(0, at);
                if (c.cutPieceChanged && blockStart == 704)
                    cut[0] = '#';
                writer.write(cut);
                expected += cut;
            }
            for (; at + 10 <= block.size(); at += 10) {
                writer.write(block.substr(at, 10));
                expected += block.substr(at, 10);
            }
            cut = block.substr(at);
            blockStart += block.size();
        });
        out.commit();
        SetFileFaultHook(nullptr);
        EXPECT_EQ(ReadFileText(temp / "NEW"), expected);
        EXPECT_EQ(kernelCopies, c.kernelCopies);
    }
}

TEST(PassThroughWriter, NamesAnUnreadableSource) {
    TempFolder temp;
    AtomicFileWriter out(temp / "NEW", DiskSync::kNoSync);
    PassThroughWriter missing(temp / "ABSENT.TIR", out);
    try {
        missing.readBlocks([](std::string_view) {});
        FAIL();
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("ABSENT.TIR"), std::string::npos);
    }
}

} // namespace
} // namespace tavrin
