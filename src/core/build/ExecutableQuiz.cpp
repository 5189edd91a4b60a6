#include "core/build/ExecutableQuiz.h"

#include <algorithm>
#include <string>

#include "core/bytes/FileError.h"
#include "core/bytes/LittleEndian.h"
#include "core/files/FileIO.h"
#include "core/files/MappedFile.h"
#include "core/files/SharedRoutines.h"

namespace tavrin {
namespace fs = std::filesystem;
namespace {

constexpr std::uint32_t kSectionWithoutFileBytes = 8; // SHT_NOBITS
constexpr std::uint16_t kExtendedCount = 0xFFFF;      // PN_XNUM

// Field positions that differ between the 32- and 64-bit ELF layouts.
struct ElfLayout {
    bool wide;
    std::size_t headerSize, phoff, shoff, sizes; // sizes: e_ehsize, then 5 u16 fields
    std::size_t phEntryMin, phOffset, phFileSize;
    std::size_t shEntryMin, shType, shOffset, shSize, shInfo;
};

constexpr ElfLayout kElf32{false, 52, 0x1C, 0x20, 0x28, 32, 4, 16, 40, 4, 16, 20, 28};
constexpr ElfLayout kElf64{true, 64, 0x20, 0x28, 0x34, 56, 8, 32, 64, 4, 24, 32, 44};

class ElfView {
public:
    ElfView(std::span<const std::uint8_t> data, const ElfLayout& layout)
        : data_(data), layout_(layout) {}

    std::uint64_t word(std::size_t offset) const {
        return layout_.wide ? readU64(offset) : le::u32(data_, offset);
    }
    std::uint16_t half(std::size_t offset) const { return le::u16(data_, offset); }
    std::uint32_t u32(std::size_t offset) const { return le::u32(data_, offset); }

private:
    std::uint64_t readU64(std::size_t offset) const {
        return std::uint64_t{le::u32(data_, offset)} |
               (std::uint64_t{le::u32(data_, offset + 4)} << 32);
    }

    std::span<const std::uint8_t> data_;
    const ElfLayout& layout_;
};

// Start + length, refused when it overflows or passes the end of the data.
std::uint64_t endWithin(std::uint64_t start, std::uint64_t length, std::uint64_t size,
                        const char* what) {
    if (start > size || length > size - start)
        throw FormatError(std::string("runner stub: ") + what + " lies outside the file");
    return start + length;
}

std::uint64_t tableEnd(std::uint64_t offset, std::uint64_t count, std::uint64_t entrySize,
                       std::uint64_t size, const char* what) {
    if (count != 0 && entrySize != 0 && count > size / entrySize)
        throw FormatError(std::string("runner stub: ") + what + " lies outside the file");
    return endWithin(offset, count * entrySize, size, what);
}

const ElfLayout& layoutOf(std::span<const std::uint8_t> data) {
    static constexpr std::uint8_t magic[] = {0x7F, 'E', 'L', 'F'};
    if (data.size() < 16 || !std::equal(std::begin(magic), std::end(magic), data.begin()))
        throw FormatError("runner stub: not an ELF program");
    if (data[5] != 1)
        throw FormatError("runner stub: not a little-endian ELF program");
    if (data[4] == 1)
        return kElf32;
    if (data[4] == 2)
        return kElf64;
    throw FormatError("runner stub: unknown ELF class " + std::to_string(data[4]));
}

// Adds a run bit wherever the file has a read bit, as a linker would.
void markAsProgram(const fs::path& file) {
    std::error_code ec;
    const auto current = fs::status(file, ec).permissions();
    auto exec = fs::perms::none;
    if ((current & fs::perms::owner_read) != fs::perms::none)
        exec |= fs::perms::owner_exec;
    if ((current & fs::perms::group_read) != fs::perms::none)
        exec |= fs::perms::group_exec;
    if ((current & fs::perms::others_read) != fs::perms::none)
        exec |= fs::perms::others_exec;
    if (!ec)
        fs::permissions(file, exec, fs::perm_options::add, ec);
    if (ec)
        throw FileError(file, "cannot mark as a program: " + ec.message());
}

} // namespace

std::uint64_t StubImageLength(std::span<const std::uint8_t> data) {
    const ElfLayout& layout = layoutOf(data);
    if (data.size() < layout.headerSize)
        throw FormatError("runner stub: ELF header is cut short");
    const ElfView elf(data, layout);
    const std::uint64_t size = data.size();
    const std::uint64_t phoff = elf.word(layout.phoff);
    const std::uint64_t shoff = elf.word(layout.shoff);
    const std::uint16_t headerSize = elf.half(layout.sizes);
    const std::uint16_t phEntry = elf.half(layout.sizes + 2);
    std::uint64_t phCount = elf.half(layout.sizes + 4);
    const std::uint16_t shEntry = elf.half(layout.sizes + 6);
    std::uint64_t shCount = elf.half(layout.sizes + 8);

    std::uint64_t end = endWithin(0, std::max<std::uint64_t>(headerSize, layout.headerSize), size,
                                  "the ELF header");
    if (shoff != 0) {
        if (shEntry < layout.shEntryMin)
            throw FormatError("runner stub: section headers are too small");
        endWithin(shoff, shEntry, size, "the section header table");
        // Counts too large for the header are kept in section header 0.
        if (shCount == 0)
            shCount = elf.word(shoff + layout.shSize);
        if (phCount == kExtendedCount)
            phCount = elf.u32(shoff + layout.shInfo);
        end = std::max(end, tableEnd(shoff, shCount, shEntry, size, "the section header table"));
        for (std::uint64_t i = 0; i < shCount; ++i) {
            const std::uint64_t entry = shoff + i * shEntry;
            if (elf.u32(entry + layout.shType) == kSectionWithoutFileBytes)
                continue;
            end = std::max(end, endWithin(elf.word(entry + layout.shOffset),
                                          elf.word(entry + layout.shSize), size, "a section"));
        }
    }
    if (phoff != 0 && phCount != 0) {
        if (phEntry < layout.phEntryMin)
            throw FormatError("runner stub: program headers are too small");
        end = std::max(end, tableEnd(phoff, phCount, phEntry, size, "the program header table"));
        for (std::uint64_t i = 0; i < phCount; ++i) {
            const std::uint64_t entry = phoff + i * phEntry;
            end = std::max(end, endWithin(elf.word(entry + layout.phOffset),
                                          elf.word(entry + layout.phFileSize), size, "a segment"));
        }
    }
    return end;
}

CompiledQuiz LocateAppendedQuiz(std::span<const std::uint8_t> executable,
                                std::uint64_t stubLength) {
    if (stubLength >= executable.size())
        throw FormatError("no quiz follows the runner stub");
    const auto quiz = executable.subspan(static_cast<std::size_t>(stubLength));
    return CompiledQuiz(std::vector<std::uint8_t>(quiz.begin(), quiz.end()));
}

CompiledQuiz ReadAppendedQuiz(const fs::path& executable) {
    const auto bytes = ReadFileBytes(executable);
    try {
        return LocateAppendedQuiz(bytes, StubImageLength(bytes));
    } catch (const FormatError& error) {
        throw FormatError(executable.string() + ": " + error.what());
    }
}

void WriteExecutableQuiz(const fs::path& stub, const fs::path& compiled,
                         const fs::path& executable) {
    // Only the stub's ELF tables are read to check it; its bytes are copied
    // by the kernel.
    const MappedFile stubImage(stub);
    try {
        if (StubImageLength(stubImage.bytes()) != stubImage.bytes().size())
            throw FormatError("runner stub: data follows the program");
    } catch (const FormatError& error) {
        throw FileError(stub, std::string("not a bare runner stub (") + error.what() + ")");
    }
    // Built again from the compiled quiz at any time, so it is not forced to the disk.
    AtomicFileWriter out(executable, DiskSync::kNoSync);
    std::error_code ec;
    const std::uint64_t compiledSize = fs::file_size(compiled, ec);
    out.reserve(ec ? 0 : stubImage.bytes().size() + compiledSize);
    const int copiedStub = AppendFileTo(stub, out);
    if (copiedStub == kCopySourceUnreadable)
        throw FileError::fromErrno(stub, "cannot open");
    if (copiedStub != kCopied)
        throw FileError::fromErrno(executable, "cannot write");
    const int appended = AppendFileTo(compiled, out);
    if (appended == kCopySourceUnreadable)
        throw FileError::fromErrno(compiled, "cannot open");
    if (appended != kCopied)
        throw FileError::fromErrno(executable, "cannot write");
    out.commit();
    markAsProgram(executable);
}

} // namespace tavrin
