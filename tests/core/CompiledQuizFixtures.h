#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "tests/core/TempFolder.h"

namespace tavrin::testing {

using Bytes = std::vector<std::uint8_t>;

inline void Append(Bytes& out, std::initializer_list<std::uint8_t> bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

inline void Append(Bytes& out, const Bytes& bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

inline void PutLe(Bytes& out, std::size_t offset, std::uint64_t value, int width) {
    if (out.size() < offset + width)
        out.resize(offset + width, 0);
    for (int i = 0; i < width; ++i)
        out[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A command topic as the topic file stores it.
inline std::string CommandTopicText(const std::string& name, int type, const std::string& command) {
    return "[" + name + "]\r\nsource=HYPER\r\ntype=" + std::to_string(type) +
           "\r\ncommand=" + command + "\r\n]\r\n\r\n";
}

// A display topic as the topic file stores it; `text` holds its CR LF lines.
inline std::string DisplayTopicText(const std::string& name, int type, const std::string& graphic,
                                    const std::string& wallpaper, const std::string& text) {
    return "[" + name + "]\r\nsource=HYPER\r\ntype=" + std::to_string(type) +
           "\r\ndisplaytype=2\r\nfullscreen=false\r\nSbackcolor=clSilver\r\nSGraphic=" + graphic +
           "\r\nSWallpaper=" + wallpaper +
           "\r\nVPBack=clWhite\r\nVPLeft=120\r\nVPTop=80\r\nVPWidth=400\r\nVPHeight=200\r\n"
           "RLTop=1\r\nRLLeft=1\r\nprint=false\r\ntext=\r\n" +
           text + "]\r\n\r\n";
}

// 4958 settings bytes that start with the version "2.1" and are otherwise
// filled with a recognisable pattern, so misplaced copies show.
inline Bytes SampleSettings() {
    Bytes settings(4958);
    for (std::size_t i = 0; i < settings.size(); ++i)
        settings[i] = static_cast<std::uint8_t>(i * 7 + 1);
    settings[0] = 0x03;
    settings[1] = '2';
    settings[2] = '.';
    settings[3] = '1';
    settings[4] = 0x00;
    return settings;
}

// A question record of `size` bytes whose identifier (string[32] at 1) is `id`.
inline Bytes SampleRecord(std::size_t size, const std::string& id) {
    Bytes record(size, 0);
    record[1] = static_cast<std::uint8_t>(id.size());
    std::copy(id.begin(), id.end(), record.begin() + 2);
    record[size - 1] = 1; // hasInformation
    return record;
}

// The smallest ELF64 program image a linker could write: header, one program
// header, 24 bytes of section data, and three section headers (null,
// PROGBITS, NOBITS) ending at byte 432, the image's length.
inline Bytes TinyElfStub() {
    Bytes elf(432, 0);
    const std::uint8_t ident[] = {0x7F, 'E', 'L', 'F', 0x02 /*64-bit*/, 0x01 /*LE*/, 0x01};
    std::copy(std::begin(ident), std::end(ident), elf.begin());
    PutLe(elf, 0x10, 2, 2);    // e_type: executable
    PutLe(elf, 0x12, 0x3E, 2); // e_machine: x86-64
    PutLe(elf, 0x14, 1, 4);    // e_version
    PutLe(elf, 0x20, 64, 8);   // e_phoff
    PutLe(elf, 0x28, 240, 8);  // e_shoff
    PutLe(elf, 0x34, 64, 2);   // e_ehsize
    PutLe(elf, 0x36, 56, 2);   // e_phentsize
    PutLe(elf, 0x38, 1, 2);    // e_phnum
    PutLe(elf, 0x3A, 64, 2);   // e_shentsize
    PutLe(elf, 0x3C, 3, 2);    // e_shnum
    // Program header 0 at 64: a loadable segment over bytes 0..176.
    PutLe(elf, 64 + 0, 1, 4);
    PutLe(elf, 64 + 8, 0, 8);
    PutLe(elf, 64 + 32, 176, 8);
    // Section 1 at 240 + 64: PROGBITS over bytes 176..200.
    PutLe(elf, 304 + 4, 1, 4);
    PutLe(elf, 304 + 24, 176, 8);
    PutLe(elf, 304 + 32, 24, 8);
    // Section 2 at 240 + 128: NOBITS far beyond the file, which must not count.
    PutLe(elf, 368 + 4, 8, 4);
    PutLe(elf, 368 + 24, 0x100000, 8);
    PutLe(elf, 368 + 32, 0x100000, 8);
    for (std::size_t i = 176; i < 200; ++i)
        elf[i] = 0xAB;
    return elf;
}

} // namespace tavrin::testing
