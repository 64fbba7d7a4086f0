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

// Walks every event of a standard MIDI file in file order, track by track, calling
// `event(tick, status, data)` for channel and meta events: `data` holds the one or two data
// bytes of a channel event, or the body of a meta event (status 0xFF, the type first).
// Returns the ticks per quarter note, or 0 when the file is no standard MIDI file.
template <typename Event>
uint32_t WalkMidi(const QString& path, Event&& event) {
    Bytes in(ReadAll(path));
    if (in.Take(4) != "MThd" || in.Big(4) != 6) return 0;
    in.Skip(2);
    const uint32_t tracks = in.Big(2);
    const uint32_t division = in.Big(2);
    if (division == 0 || (division & 0x8000)) return 0;  // SMPTE time is not used by the game

    for (uint32_t t = 0; t < tracks && in.Has(8); ++t) {
        if (in.Take(4) != "MTrk") return 0;
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
                event(tick, b, QByteArray(1, static_cast<char>(type)) + in.Take(length));
            } else if (b == 0xF0 || b == 0xF7) {
                in.Skip(in.VariableLength());
            } else if (b >= 0x80) {
                status = b;
                const uint8_t kind = b & 0xF0;
                event(tick, b, in.Take(kind == 0xC0 || kind == 0xD0 ? 1 : 2));
            } else {
                return 0;
            }
        }
        event(tick, uint8_t{0}, QByteArray());  // the end of the track
        in.Skip(end - in.Pos());
    }
    return division;
}

}  // namespace

long long MidiLengthMs(const QString& path) {
    std::map<uint64_t, uint32_t> tempoAt{{0, 500000}};  // microseconds per quarter note
    uint64_t lastTick = 0;
    const uint32_t division =
        WalkMidi(path, [&](uint64_t tick, uint8_t status, const QByteArray& data) {
            if (status == 0xFF && data.size() == 4 && static_cast<uint8_t>(data[0]) == 0x51)
                tempoAt[tick] = Bytes(data.mid(1)).Big(3);
            lastTick = std::max(lastTick, tick);
        });
    if (division == 0) return -1;

    double microseconds = 0;
    for (auto it = tempoAt.begin(); it != tempoAt.end() && it->first < lastTick; ++it) {
        const auto next = std::next(it);
        const uint64_t until = next == tempoAt.end() ? lastTick : std::min(next->first, lastTick);
        microseconds += static_cast<double>(until - it->first) * it->second / division;
    }
    return static_cast<long long>(microseconds / 1000);
}

MidiInstruments MidiInstrumentsOf(const QString& path) {
    struct Channel {
        int bank = 0;
        bool programmed = false;
    };
    Channel channels[16];
    MidiInstruments used;
    const uint32_t division = WalkMidi(path, [&](uint64_t, uint8_t status, const QByteArray& data) {
        if (status < 0x80 || status >= 0xF0) return;
        const int number = status & 0x0F;
        Channel& channel = channels[number];
        const int bank = number == kPercussionChannel ? kPercussionBank : channel.bank;
        const auto first = data.isEmpty() ? 0 : static_cast<uint8_t>(data[0]);
        switch (status & 0xF0) {
            case 0xB0:  // bank select, most significant byte
                if (first == 0 && data.size() == 2) channel.bank = static_cast<uint8_t>(data[1]);
                break;
            case 0xC0:
                channel.programmed = true;
                used.insert({bank, first});
                break;
            case 0x90:
                if (!channel.programmed && data.size() == 2 && data[1] != 0) {
                    channel.programmed = true;
                    used.insert({bank, 0});
                }
                break;
        }
    });
    return division ? used : MidiInstruments{};
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
