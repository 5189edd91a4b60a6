#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tavrin::examples {

// A picture in memory: rows from the top, three bytes per pixel (R, G, B).
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    Picture(int w, int h);
    void set(int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b);
    void fillCircle(int cx, int cy, int radius, std::uint8_t r, std::uint8_t g, std::uint8_t b);
    void fillRect(int x0, int y0, int x1, int y1, std::uint8_t r, std::uint8_t g, std::uint8_t b);
};

// The pictures and sounds that the example quizzes attach to their questions,
// drawn and synthesised here so the examples need no outside files.
Picture DrawSaturn();
Picture DrawTricolour();

// Uncompressed 24-bit Windows bitmap.
std::vector<std::uint8_t> EncodeBmp(const Picture& picture);
// Baseline JPEG at the given quality.
std::vector<std::uint8_t> EncodeJpeg(const Picture& picture, int quality);
// 16-bit mono PCM WAV of a sine tone that fades in and out.
std::vector<std::uint8_t> EncodeToneWav(double frequency, double seconds, int sampleRate);

// One note of a tune: MIDI key number and length in quarter notes.
struct Note {
    int key;
    double beats;
};
// Standard MIDI file, format 0, one track, piano.
std::vector<std::uint8_t> EncodeMidi(const std::vector<Note>& tune, int beatsPerMinute);
std::vector<Note> MajorScale(int startKey);

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

} // namespace tavrin::examples
