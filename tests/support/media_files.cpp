#include "tests/support/media_files.h"

#include <cmath>
#include <cstdint>

#include <QFile>
#include <QImage>
#include <QImageWriter>

namespace testfiles {

namespace {

void Put32(QByteArray& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.append(static_cast<char>((v >> shift) & 0xFF));
}
void Put16(QByteArray& out, uint16_t v) {
    out.append(static_cast<char>(v >> 8));
    out.append(static_cast<char>(v & 0xFF));
}
void PutLe(QByteArray& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

}  // namespace

void WriteMidi(const QString& path, double seconds, int program) {
    constexpr int kDivision = 480;  // ticks per quarter note; 120 bpm gives 960 ticks a second
    QByteArray track;
    auto event = [&](uint8_t delta, std::initializer_list<uint8_t> bytes) {
        track.append(static_cast<char>(delta));
        for (uint8_t b : bytes) track.append(static_cast<char>(b));
    };
    event(0, {0xC0, static_cast<uint8_t>(program)});
    const int notes = std::max(1, static_cast<int>(std::lround(seconds * 4)));
    const uint8_t melody[] = {60, 64, 67, 72};
    for (int i = 0; i < notes; ++i) {
        const uint8_t key = melody[i % 4];
        event(0, {0x90, key, 100});
        // 240 ticks, a quarter of a second, written as a variable-length quantity.
        track.append(static_cast<char>(0x81));
        track.append(static_cast<char>(0x70));
        track.append(static_cast<char>(0x80));
        track.append(static_cast<char>(key));
        track.append(static_cast<char>(0));
    }
    event(0, {0xFF, 0x2F, 0x00});

    QByteArray file("MThd");
    Put32(file, 6);
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, kDivision);
    file.append("MTrk");
    Put32(file, static_cast<uint32_t>(track.size()));
    file.append(track);
    Write(path, file);
}

void WriteWav(const QString& path, double seconds) {
    constexpr int kRate = 22050;
    const int frames = static_cast<int>(seconds * kRate);
    QByteArray data;
    for (int i = 0; i < frames; ++i)
        PutLe(data, static_cast<uint16_t>(static_cast<int16_t>(8000 * std::sin(i * 0.1))), 2);
    QByteArray file("RIFF");
    PutLe(file, static_cast<uint32_t>(36 + data.size()), 4);
    file.append("WAVEfmt ");
    PutLe(file, 16, 4);
    PutLe(file, 1, 2);  // PCM
    PutLe(file, 1, 2);  // mono
    PutLe(file, kRate, 4);
    PutLe(file, kRate * 2, 4);
    PutLe(file, 2, 2);
    PutLe(file, 16, 2);
    file.append("data");
    PutLe(file, static_cast<uint32_t>(data.size()), 4);
    file.append(data);
    Write(path, file);
}

void WritePicture(const QString& path, const QColor& color, const char* format) {
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(color);
    QImageWriter writer(path, format);
    writer.write(image);
}

}  // namespace testfiles
