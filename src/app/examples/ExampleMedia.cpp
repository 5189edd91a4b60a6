#include "ExampleMedia.h"

#include "core/files/FileIO.h"
#include "core/media/JpegEncoder.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace tavrin::examples {

namespace {

void PutU16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(value & 0xFF);
    out.push_back((value >> 8) & 0xFF);
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

void PutU32BigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back((value >> shift) & 0xFF);
}

void PutText(std::vector<std::uint8_t>& out, const char* text) {
    for (; *text; ++text)
        out.push_back(static_cast<std::uint8_t>(*text));
}

// MIDI's variable-length quantity: seven bits a byte, high bit set on all but the last.
void PutVariableLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value);
    while (count > 1)
        out.push_back(groups[--count] | 0x80);
    out.push_back(groups[0]);
}

} // namespace

Picture::Picture(int w, int h) : width(w), height(h), rgb(static_cast<std::size_t>(w * h * 3)) {}

void Picture::set(int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    if (x < 0 || y < 0 || x >= width || y >= height)
        return;
    const std::size_t at = static_cast<std::size_t>((y * width + x) * 3);
    rgb[at] = r;
    rgb[at + 1] = g;
    rgb[at + 2] = b;
}

void Picture::fillCircle(int cx, int cy, int radius, std::uint8_t r, std::uint8_t g,
                         std::uint8_t b) {
    for (int y = cy - radius; y <= cy + radius; ++y)
        for (int x = cx - radius; x <= cx + radius; ++x)
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius)
                set(x, y, r, g, b);
}

void Picture::fillRect(int x0, int y0, int x1, int y1, std::uint8_t r, std::uint8_t g,
                       std::uint8_t b) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            set(x, y, r, g, b);
}

Picture DrawSaturn() {
    Picture picture(240, 160);
    picture.fillRect(0, 0, 240, 160, 8, 8, 32);
    for (int star = 0; star < 60; ++star)
        picture.set((star * 97) % 240, (star * 53) % 160, 255, 255, 255);
    const int cx = 120, cy = 80;
    auto onRing = [&](int x, int y, double inner, double outer) {
        const double dx = (x - cx) / 1.0, dy = (y - cy) / 0.35;
        const double d = std::sqrt(dx * dx + dy * dy);
        return d >= inner && d <= outer;
    };
    // The back half of the rings, then the planet, then the front half.
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < 240; ++x)
            if (onRing(x, y, 58, 100))
                picture.set(x, y, 200, 180, 130);
    for (int y = cy - 42; y <= cy + 42; ++y)
        for (int x = cx - 42; x <= cx + 42; ++x) {
            const int dx = x - cx, dy = y - cy;
            if (dx * dx + dy * dy > 42 * 42)
                continue;
            const int band = ((dy + 42) / 7) % 2;
            const int shade = std::max(0, 255 - (dx + dy + 84) / 2);
            picture.set(x, y, static_cast<std::uint8_t>(std::min(255, 170 + shade / 4)),
                        static_cast<std::uint8_t>(band ? 140 + shade / 5 : 120 + shade / 6),
                        static_cast<std::uint8_t>(70 + shade / 8));
        }
    for (int y = cy; y < 160; ++y)
        for (int x = 0; x < 240; ++x)
            if (onRing(x, y, 58, 100))
                picture.set(x, y, 220, 200, 150);
    return picture;
}

Picture DrawTricolour() {
    Picture picture(300, 200);
    picture.fillRect(0, 0, 100, 200, 0, 35, 149);
    picture.fillRect(100, 0, 200, 200, 255, 255, 255);
    picture.fillRect(200, 0, 300, 200, 237, 41, 57);
    return picture;
}

std::vector<std::uint8_t> EncodeBmp(const Picture& picture) {
    const std::uint32_t rowSize = static_cast<std::uint32_t>((picture.width * 3 + 3) & ~3);
    const std::uint32_t imageSize = rowSize * static_cast<std::uint32_t>(picture.height);
    std::vector<std::uint8_t> out;
    PutText(out, "BM");
    PutU32(out, 54 + imageSize);
    PutU32(out, 0);
    PutU32(out, 54);
    PutU32(out, 40);
    PutU32(out, static_cast<std::uint32_t>(picture.width));
    PutU32(out, static_cast<std::uint32_t>(picture.height));
    PutU16(out, 1);
    PutU16(out, 24);
    PutU32(out, 0);
    PutU32(out, imageSize);
    PutU32(out, 2835);
    PutU32(out, 2835);
    PutU32(out, 0);
    PutU32(out, 0);
    // Rows are stored from the bottom up, each pixel blue first.
    for (int y = picture.height - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        for (int x = 0; x < picture.width; ++x) {
            const std::size_t at = static_cast<std::size_t>((y * picture.width + x) * 3);
            out.push_back(picture.rgb[at + 2]);
            out.push_back(picture.rgb[at + 1]);
            out.push_back(picture.rgb[at]);
        }
        out.resize(start + rowSize, 0);
    }
    return out;
}

std::vector<std::uint8_t> EncodeJpeg(const Picture& picture, int quality) {
    return tavrin::EncodeJpeg(
        {picture.width, picture.height, JpegSamples::Colours::Rgb, picture.rgb}, quality);
}

std::vector<std::uint8_t> EncodeToneWav(double frequency, double seconds, int sampleRate) {
    const auto samples = static_cast<std::uint32_t>(seconds * sampleRate);
    std::vector<std::uint8_t> out;
    PutText(out, "RIFF");
    PutU32(out, 36 + samples * 2);
    PutText(out, "WAVE");
    PutText(out, "fmt ");
    PutU32(out, 16);
    PutU16(out, 1);
    PutU16(out, 1);
    PutU32(out, static_cast<std::uint32_t>(sampleRate));
    PutU32(out, static_cast<std::uint32_t>(sampleRate * 2));
    PutU16(out, 2);
    PutU16(out, 16);
    PutText(out, "data");
    PutU32(out, samples * 2);
    const double fade = 0.05 * sampleRate;
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double envelope = std::min({1.0, i / fade, (samples - i) / fade});
        const double value =
            0.6 * envelope * std::sin(2 * std::numbers::pi * frequency * i / sampleRate);
        PutU16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(value * 32767)));
    }
    return out;
}

std::vector<std::uint8_t> EncodeMidi(const std::vector<Note>& tune, int beatsPerMinute) {
    constexpr int kTicksPerBeat = 96;
    std::vector<std::uint8_t> track;
    const std::uint32_t microsPerBeat = 60000000u / static_cast<std::uint32_t>(beatsPerMinute);
    track.insert(track.end(), {0x00, 0xFF, 0x51, 0x03});
    track.push_back((microsPerBeat >> 16) & 0xFF);
    track.push_back((microsPerBeat >> 8) & 0xFF);
    track.push_back(microsPerBeat & 0xFF);
    track.insert(track.end(), {0x00, 0xC0, 0x00}); // acoustic grand piano
    for (const Note& note : tune) {
        const auto key = static_cast<std::uint8_t>(note.key);
        track.insert(track.end(), {0x00, 0x90, key, 0x60});
        PutVariableLength(track, static_cast<std::uint32_t>(note.beats * kTicksPerBeat));
        track.insert(track.end(), {0x80, key, 0x40});
    }
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});

    std::vector<std::uint8_t> out;
    PutText(out, "MThd");
    PutU32BigEndian(out, 6);
    out.insert(out.end(), {0x00, 0x00, 0x00, 0x01, 0x00, kTicksPerBeat});
    PutText(out, "MTrk");
    PutU32BigEndian(out, static_cast<std::uint32_t>(track.size()));
    out.insert(out.end(), track.begin(), track.end());
    return out;
}

std::vector<Note> MajorScale(int startKey) {
    std::vector<Note> tune;
    int key = startKey;
    for (int step : {0, 2, 2, 1, 2, 2, 2, 1}) {
        key += step;
        tune.push_back({key, 0.5});
    }
    tune.back().beats = 1.5;
    return tune;
}

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    WriteFileAtomically(path, bytes);
}

} // namespace tavrin::examples
