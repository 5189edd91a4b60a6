#include "core/web/MediaConverter.h"

#include <array>
#include <system_error>

#include "core/files/FolderNames.h"
#include "core/web/ProcessRunner.h"

namespace tavrin {
namespace fs = std::filesystem;
namespace {

constexpr std::array<std::string_view, 2> kSoundFonts = {
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
};

constexpr std::array<std::string_view, 9> kVideoExtensions = {
    ".AVI", ".MPG", ".MPEG", ".WMV", ".MOV", ".ASF", ".FLV", ".3GP", ".MKV",
};

std::string extensionOf(std::string_view fileName) {
    const auto dot = fileName.rfind('.');
    return dot == std::string_view::npos ? std::string() : UpperAscii(fileName.substr(dot));
}

std::string soundFont() {
    std::error_code ec;
    for (const auto font : kSoundFonts) {
        if (fs::exists(font, ec))
            return std::string(font);
    }
    return {};
}

std::string failureOf(const ProcessOutcome& outcome) {
    return outcome.succeeded() ? std::string() : outcome.failure;
}

} // namespace

MediaTreatment TreatmentOf(std::string_view fileName) {
    const std::string extension = extensionOf(fileName);
    if (extension == ".MID" || extension == ".MIDI" || extension == ".RMI")
        return MediaTreatment::MidiToOgg;
    if (extension == ".WMF" || extension == ".EMF")
        return MediaTreatment::Refuse;
    for (const auto video : kVideoExtensions) {
        if (extension == video)
            return MediaTreatment::VideoToWebm;
    }
    return MediaTreatment::Copy;
}

std::string TreatedName(std::string_view fileName, MediaTreatment treatment) {
    const auto dot = fileName.rfind('.');
    const std::string_view stem = fileName.substr(0, dot);
    switch (treatment) {
    case MediaTreatment::MidiToOgg:
        return std::string(stem) + ".ogg";
    case MediaTreatment::VideoToWebm:
        return std::string(stem) + ".webm";
    default:
        return std::string(fileName);
    }
}

std::string RefusalReason(MediaTreatment treatment) {
    return treatment == MediaTreatment::Refuse
               ? "Windows metafile pictures cannot be shown in a browser."
               : std::string();
}

std::string ProgramMediaConverter::convert(MediaTreatment treatment, const fs::path& source,
                                           const fs::path& target) {
    switch (treatment) {
    case MediaTreatment::MidiToOgg:
        return renderMidi(source, target);
    case MediaTreatment::VideoToWebm:
        return transcodeVideo(source, target);
    default:
        return "no conversion for " + source.filename().string();
    }
}

std::string ProgramMediaConverter::renderMidi(const fs::path& source, const fs::path& target) {
    const std::string font = soundFont();
    if (font.empty())
        return "no General MIDI sound font in /usr/share/sounds/sf2 (install fluid-soundfont-gm)";
    fs::path wave = target;
    wave.replace_extension(".render.wav");
    const auto rendered =
        RunProcess({"fluidsynth", "-ni", "-F", wave.string(), font, source.string()});
    if (!rendered.succeeded()) {
        std::error_code ec;
        fs::remove(wave, ec);
        return failureOf(rendered);
    }
    auto encoded = RunProcess({"oggenc", "-Q", "-o", target.string(), wave.string()});
    if (!encoded.started)
        encoded = RunProcess({"ffmpeg", "-nostdin", "-loglevel", "error", "-y", "-i", wave.string(),
                              "-c:a", "libvorbis", target.string()});
    std::error_code ec;
    fs::remove(wave, ec);
    return failureOf(encoded);
}

std::string ProgramMediaConverter::transcodeVideo(const fs::path& source, const fs::path& target) {
    return failureOf(
        RunProcess({"ffmpeg", "-nostdin", "-loglevel", "error", "-y", "-i", source.string(), "-c:v",
                    "libvpx", "-b:v", "1M", "-c:a", "libvorbis", target.string()}));
}

} // namespace tavrin
