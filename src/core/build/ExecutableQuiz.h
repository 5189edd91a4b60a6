#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "core/build/CompiledQuiz.h"

namespace tavrin {

// An executable quiz is the runner stub's bytes followed by the compiled quiz,
// unchanged: no marker, trailer or size field is added.
//
// How the stub finds its quiz: the stub is an ELF program, and an ELF file
// describes its own extent. The end of its image is the furthest byte covered
// by the ELF header, the program header table, the section header table, any
// segment's file bytes or any section's file bytes (sections without file
// bytes excepted). The stub reads its own file, computes that end with
// StubImageLength and takes everything after it as the compiled quiz. The
// length is thus recorded in the stub by the linker itself, stays right when
// the stub is stripped, and needs no patching step after the build.

// Length of the ELF image at the start of `data` (32 or 64 bit, little-endian).
// Throws FormatError when the data is not such an image or its tables do not
// lie inside the data.
std::uint64_t StubImageLength(std::span<const std::uint8_t> data);

// The compiled quiz appended to an executable whose stub is `stubLength`
// bytes long. Throws FormatError when nothing, or no valid quiz, follows.
CompiledQuiz LocateAppendedQuiz(std::span<const std::uint8_t> executable, std::uint64_t stubLength);

// The quiz appended to an executable quiz file, its stub measured by
// StubImageLength. Errors name the file.
CompiledQuiz ReadAppendedQuiz(const std::filesystem::path& executable);

// Writes `executable` as the stub followed by the compiled quiz, replacing it
// atomically, and sets its run bits. The stub must be a bare ELF image: a file
// that already carries a quiz would otherwise play that quiz. Throws FileError.
void WriteExecutableQuiz(const std::filesystem::path& stub, const std::filesystem::path& compiled,
                         const std::filesystem::path& executable);

} // namespace tavrin
