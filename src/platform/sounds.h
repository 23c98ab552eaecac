#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Short confirmation sounds: two tones after a transaction is written, the system beep after
// one is deleted. The program gives them only when the preference "Sounds" is on; callers pass
// that preference in.

struct Tone {
    int frequencyHz = 0;
    int durationMs = 0;
};

// What actually makes the sound. Tests put in a player that counts.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays the tones one after another; returns at once.
    virtual void playTones(const QList<Tone>& tones) = 0;
    virtual void beep() = 0;
};

// The machine's own sounds. Tones are written as a small WAV file into the program's temporary
// folder and handed to "paplay" or "aplay", started detached so the caller never waits; when
// neither is on the PATH (or the file cannot be written) the tones fall back to the beep.
// The beep is the function given to Sounds::setSystemBeep (the program passes
// QApplication::beep), or the terminal bell on stderr when none was given.
class SystemSoundPlayer : public SoundPlayer {
public:
    void playTones(const QList<Tone>& tones) override;
    void beep() override;
};

namespace Sounds {
// 1000 Hz for 100 ms, then 250 Hz for 100 ms.
QList<Tone> successTones();

// The two success tones, when `enabled`.
void success(bool enabled);
// The default beep, when `enabled`.
void deleted(bool enabled);

// The player used from now on; nullptr returns to the system player. The caller keeps ownership.
void setPlayer(SoundPlayer* player);
SoundPlayer& player();

// The function that sounds the system beep (QApplication::beep in the program).
void setSystemBeep(void (*beep)());

// The tones as a WAV file: PCM, 16-bit, mono, at `sampleRate` samples per second.
QByteArray tonesWav(const QList<Tone>& tones, int sampleRate = 22050);
}  // namespace Sounds
