#include "media/midifile.h"

#include <cstdint>
#include <map>

#include <QFile>

namespace media {

namespace {

class Bytes {
  public:
    explicit Bytes(QByteArray data) : data_(std::move(data)) {}
    bool Has(qsizetype n) const { return pos_ + n <= data_.size(); }
    uint32_t Big(int n) {
        uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = (v << 8) | Byte();
        return v;
    }
    uint32_t Little(int n) {
        uint32_t v = 0;
        for (int i = 0; i < n; ++i) v |= static_cast<uint32_t>(Byte()) << (8 * i);
        return v;
    }
    uint8_t Byte() { return Has(1) ? static_cast<uint8_t>(data_[pos_++]) : 0; }
    uint32_t VariableLength() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const uint8_t b = Byte();
            v = (v << 7) | (b & 0x7F);
            if (!(b & 0x80)) break;
        }
        return v;
    }
    QByteArray Take(qsizetype n) {
        const QByteArray part = data_.mid(pos_, n);
        pos_ += n;
        return part;
    }
    void Skip(qsizetype n) { pos_ += n; }
    qsizetype Pos() const { return pos_; }

  private:
    QByteArray data_;
    qsizetype pos_ = 0;
};

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    // Music and sounds are small; a huge file is no piece of this game.
    if (!file.open(QIODevice::ReadOnly) || file.size() > (16 << 20)) return {};
    return file.readAll();
}

}  // namespace

long long MidiLengthMs(const QString& path) {
    Bytes in(ReadAll(path));
    if (in.Take(4) != "MThd" || in.Big(4) != 6) return -1;
    in.Skip(2);
    const uint32_t tracks = in.Big(2);
    const uint32_t division = in.Big(2);
    if (division == 0 || (division & 0x8000)) return -1;  // SMPTE time is not used by the game

    std::map<uint64_t, uint32_t> tempoAt{{0, 500000}};  // microseconds per quarter note
    uint64_t lastTick = 0;
    for (uint32_t t = 0; t < tracks && in.Has(8); ++t) {
        if (in.Take(4) != "MTrk") return -1;
        const uint32_t trackLength = in.Big(4);
        const qsizetype end = in.Pos() + trackLength;
        uint64_t tick = 0;
        uint8_t status = 0;
        while (in.Pos() < end && in.Has(1)) {
            tick += in.VariableLength();
            uint8_t b = in.Byte();
            if (b < 0x80) {  // running status: this byte is the first data byte
                in.Skip(-1);
                b = status;
            }
            if (b == 0xFF) {
                const uint8_t type = in.Byte();
                const uint32_t length = in.VariableLength();
                if (type == 0x51 && length == 3) tempoAt[tick] = in.Big(3);
                else in.Skip(length);
            } else if (b == 0xF0 || b == 0xF7) {
                in.Skip(in.VariableLength());
            } else if (b >= 0x80) {
                status = b;
                const uint8_t kind = b & 0xF0;
                in.Skip(kind == 0xC0 || kind == 0xD0 ? 1 : 2);
            } else {
                return -1;
            }
        }
        lastTick = std::max(lastTick, tick);
        in.Skip(end - in.Pos());
    }

    double microseconds = 0;
    for (auto it = tempoAt.begin(); it != tempoAt.end() && it->first < lastTick; ++it) {
        const auto next = std::next(it);
        const uint64_t until = next == tempoAt.end() ? lastTick : std::min(next->first, lastTick);
        microseconds += static_cast<double>(until - it->first) * it->second / division;
    }
    return static_cast<long long>(microseconds / 1000);
}

long long WavLengthMs(const QString& path) {
    Bytes in(ReadAll(path));
    if (in.Take(4) != "RIFF") return -1;
    in.Skip(4);
    if (in.Take(4) != "WAVE") return -1;
    uint32_t bytesPerSecond = 0;
    while (in.Has(8)) {
        const QByteArray id = in.Take(4);
        const uint32_t size = in.Little(4);
        if (id == "fmt " && size >= 16) {
            in.Skip(8);
            bytesPerSecond = in.Little(4);
            in.Skip(size - 12);
        } else if (id == "data") {
            return bytesPerSecond ? static_cast<long long>(size) * 1000 / bytesPerSecond : -1;
        } else {
            in.Skip(size + (size & 1));
        }
    }
    return -1;
}

}  // namespace media
