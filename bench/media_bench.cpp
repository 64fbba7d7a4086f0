// Measures the music through the game's own path, with the soundfont given:
//   media_bench latency SOUNDFONT   plays every piece live and prints how long PlayMidi takes to
//                                   the first audible sample (run it with SDL_AUDIODRIVER=dummy
//                                   where there is no sound card)
//   media_bench memory SOUNDFONT    plays every piece to its end in game time, rendered as fast
//                                   as the synth goes, and prints the process's peak memory
// Figures go to stdout as "name value" words; scripts/bench gathers them into one table.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <QDir>

#include "core/music.h"
#include "media/audio.h"
#include "ui/application.h"
#include "ui/gametime.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double ResidentMb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return -1;
}

double PeakMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

QStringList Pieces() {
    return QDir().entryList({QStringLiteral("M3*.mid")}, QDir::Files, QDir::Name);
}

int Latency() {
    const auto loadStart = Clock::now();
    media::StartAudio();
    while (!media::SoundfontReady()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const double loadMs = MsSince(loadStart);

    std::vector<double> latencies;
    for (const QString& piece : Pieces()) {
        const auto called = Clock::now();
        PlayMidi(piece);
        const double callMs = MsSince(called);
        while (media::ProbeSinceOpen().firstAudibleUs < 0 && MsSince(called) < 2000)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        const long long heardUs = media::ProbeSinceOpen().firstAudibleUs;
        if (heardUs < 0) {
            std::fprintf(stderr, "media_bench: %s was not heard within 2 s\n", qPrintable(piece));
            return 1;
        }
        latencies.push_back(callMs + static_cast<double>(heardUs) / 1000.0);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    StopMidi();
    if (latencies.empty()) return 1;
    std::sort(latencies.begin(), latencies.end());
    std::printf("pieces %zu soundfont_ready_ms %.1f median_ms %.1f worst_ms %.1f\n",
                latencies.size(), loadMs, latencies[latencies.size() / 2], latencies.back());
    return 0;
}

int Memory() {
    const double baseline = ResidentMb();
    media::testing::RenderMusicInGameTime();
    media::StartAudio();
    double seconds = 0;
    int pieces = 0;
    for (const QString& piece : Pieces()) {
        PlayMidi(piece);
        ++pieces;
        // Longer than any piece: a piece that never ends must not hold the benchmark.
        for (int s = 0; s < 600 && IsMidiPlaying(); ++s) {
            ui::gametime::Advance(1000);
            seconds += 1;
        }
    }
    StopMidi();
    if (pieces == 0) return 1;
    std::printf("pieces %d music_s %.0f baseline_mb %.1f peak_mb %.1f\n", pieces, seconds, baseline,
                PeakMb());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc == 3 ? argv[1] : "";
    if (mode != "latency" && mode != "memory") {
        std::fprintf(stderr, "usage: media_bench latency|memory SOUNDFONT\n");
        return 2;
    }
    if (mode == "memory") ui::testing::UseVirtualTime();
    QDir::setCurrent(QStringLiteral(VELMORA_DATA_DIR));
    ui::Application app(argc, argv);
    media::UseSoundfont(QString::fromLocal8Bit(argv[2]));
    return mode == "latency" ? Latency() : Memory();
}
