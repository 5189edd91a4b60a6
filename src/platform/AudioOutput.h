#pragma once

#include <QString>

namespace tavrin {

// Plays wave sounds. The program uses QtAudioOutput; tests use a stand-in so
// that they need no sound card.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // False when the system reports no audio output device; sounds are then
    // skipped without a word.
    virtual bool HasDevice() const = 0;
    // Plays the file to its end before returning. Windows are repainted
    // meanwhile but take no input. Returns why it could not be played, or an
    // empty text.
    virtual QString PlayWaveAndWait(const QString& path) = 0;
};

// Wave output through Qt Multimedia.
class QtAudioOutput : public AudioOutput {
public:
    bool HasDevice() const override;
    QString PlayWaveAndWait(const QString& path) override;
};

// The output the program's windows use unless they are given another.
AudioOutput& DefaultAudioOutput();

// Chooses Qt Multimedia's GStreamer back end unless the environment already
// names one: only that back end plays MIDI. Call before the application object
// is created.
void PinMediaBackend();

} // namespace tavrin
