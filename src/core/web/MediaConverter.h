#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tavrin {

// What a browser needs done to a media file before it can show or play it.
enum class MediaTreatment {
    Copy,        // pictures, WAV sounds, HTML and WebM/MP4/Ogg media play as they are
    MidiToOgg,   // browsers have no MIDI synthesiser: rendered to Ogg Vorbis
    VideoToWebm, // AVI, MPG, WMV and the like: transcoded to WebM
    Refuse,      // WMF pictures: no browser draws them
};

MediaTreatment TreatmentOf(std::string_view fileName);

// The exported name of a file after its treatment: "tune.mid" -> "tune.ogg".
std::string TreatedName(std::string_view fileName, MediaTreatment treatment);

// Why a refused file is left out, for the report and for the learner.
std::string RefusalReason(MediaTreatment treatment);

// Converts one media file; tests put a stub in its place. Returns an empty
// text on success, otherwise what went wrong (a missing tool is named).
class MediaConverter {
public:
    virtual ~MediaConverter() = default;
    virtual std::string convert(MediaTreatment treatment, const std::filesystem::path& source,
                                const std::filesystem::path& target) = 0;
};

// The converter that runs the installed programs: FluidSynth with the General
// MIDI sound font then oggenc (or FFmpeg) for MIDI, FFmpeg for video.
class ProgramMediaConverter : public MediaConverter {
public:
    std::string convert(MediaTreatment treatment, const std::filesystem::path& source,
                        const std::filesystem::path& target) override;

private:
    std::string renderMidi(const std::filesystem::path& source,
                           const std::filesystem::path& target);
    std::string transcodeVideo(const std::filesystem::path& source,
                               const std::filesystem::path& target);
};

} // namespace tavrin
