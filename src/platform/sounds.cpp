#include "platform/sounds.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtEndian>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "platform/app_paths.h"

namespace {

std::atomic<SoundPlayer*> g_player{nullptr};
std::atomic<void (*)()> g_systemBeep{nullptr};

SystemSoundPlayer& systemPlayer() {
    static SystemSoundPlayer player;
    return player;
}

void appendLe16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void appendLe32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

// The WAV file for these tones, written once per set of tones: the name carries a digest of the
// content, so a file that exists already holds the right sound.
QString wavFileFor(const QByteArray& wav) {
    const QString folder = AppPaths::temporaryFolder();
    if (!QDir().mkpath(folder)) return {};
    const QString digest =
        QString::fromLatin1(QCryptographicHash::hash(wav, QCryptographicHash::Md5).toHex().left(12));
    const QString path = folder + QStringLiteral("tones-") + digest + QStringLiteral(".wav");
    if (QFile::exists(path)) return path;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(wav);
    return file.commit() ? path : QString();
}

}  // namespace

void SystemSoundPlayer::playTones(const QList<Tone>& tones) {
    const QString file = wavFileFor(Sounds::tonesWav(tones));
    if (!file.isEmpty()) {
        for (const QString& program : {QStringLiteral("paplay"), QStringLiteral("aplay")}) {
            const QString found = QStandardPaths::findExecutable(program);
            if (found.isEmpty()) continue;
            QStringList args;
            if (program == QLatin1String("aplay")) args << QStringLiteral("-q");
            args << file;
            if (QProcess::startDetached(found, args)) return;
        }
    }
    beep();
}

void SystemSoundPlayer::beep() {
    if (auto fn = g_systemBeep.load()) {
        fn();
        return;
    }
    std::fputs("\a", stderr);
    std::fflush(stderr);
}

QList<Tone> Sounds::successTones() { return {{1000, 100}, {250, 100}}; }

void Sounds::success(bool enabled) {
    if (enabled) player().playTones(successTones());
}

void Sounds::deleted(bool enabled) {
    if (enabled) player().beep();
}

void Sounds::setPlayer(SoundPlayer* p) { g_player = p; }

SoundPlayer& Sounds::player() {
    SoundPlayer* p = g_player.load();
    return p ? *p : systemPlayer();
}

void Sounds::setSystemBeep(void (*beep)()) { g_systemBeep = beep; }

QByteArray Sounds::tonesWav(const QList<Tone>& tones, int sampleRate) {
    QByteArray samples;
    for (const Tone& t : tones) {
        const qint64 count = qint64(sampleRate) * t.durationMs / 1000;
        // A short fade at both ends keeps the tone from clicking.
        const qint64 fade = std::min<qint64>(count / 2, sampleRate / 200);
        for (qint64 i = 0; i < count; ++i) {
            double level = 0.5;
            if (i < fade) level *= double(i) / fade;
            else if (count - 1 - i < fade) level *= double(count - 1 - i) / fade;
            const double v = level * std::sin(2.0 * std::numbers::pi * t.frequencyHz * double(i) / sampleRate);
            appendLe16(samples, quint16(qint16(std::lround(v * 32767.0))));
        }
    }
    QByteArray out;
    out.reserve(44 + samples.size());
    out.append("RIFF", 4);
    appendLe32(out, quint32(36 + samples.size()));
    out.append("WAVEfmt ", 8);
    appendLe32(out, 16);               // size of the format chunk
    appendLe16(out, 1);                // PCM
    appendLe16(out, 1);                // mono
    appendLe32(out, quint32(sampleRate));
    appendLe32(out, quint32(sampleRate * 2));  // bytes per second
    appendLe16(out, 2);                // bytes per sample frame
    appendLe16(out, 16);               // bits per sample
    out.append("data", 4);
    appendLe32(out, quint32(samples.size()));
    out.append(samples);
    return out;
}
