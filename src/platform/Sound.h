#pragma once
// Asynchronous playing of a sound file, as the program's button sound needs it.
#include <QString>

namespace platform {

class SoundSink {
public:
    virtual ~SoundSink() = default;
    // Starts playing `path` (already a local path) and returns at once.
    virtual void play(const QString& path) = 0;
};

// Installs a sink (nullptr restores the real player). The caller keeps ownership.
void setSoundSink(SoundSink* sink);

// Plays a file named the way the program names it ("Snd\\buton.wav"), relative to the
// working directory, asynchronously. A new play cuts off one still playing and starts
// from the beginning. A missing or unplayable file, or no audio device, is silence.
void playSoundAsync(const QString& fileName);

// "Snd\\buton.wav" -> "<working directory>/Snd/buton.wav"
QString localSoundPath(const QString& fileName);

} // namespace platform
