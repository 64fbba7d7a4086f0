// Prints how quickly PlayMidi is heard, what playing music costs in CPU next to the fluidsynth
// command rendering the same piece, and the process's peak memory with the default soundfont.
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <QDir>
#include <QProcess>

#include "core/GameState.h"
#include "core/music.h"
#include "media/audio.h"
#include "ui/application.h"
#include "ui/runtime.h"

namespace {

using Clock = std::chrono::steady_clock;

double CpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    auto seconds = [](timeval t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void RunEventsFor(double seconds) {
    const auto until = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < until) {
        ui::DoEvents();
        ui::Sleep(2);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QDir::setCurrent(QStringLiteral(VELMORA_DATA_DIR));
    ui::Application app(argc, argv);
    const char* piece = "M394C.mid";

    const auto loadStart = Clock::now();
    media::StartAudio();
    while (!media::SoundfontReady()) ui::Sleep(1);
    std::printf("soundfont %s loaded in %.0f ms (once, off the interface thread)\n",
                media::SoundfontPath().toLocal8Bit().constData(),
                std::chrono::duration<double, std::milli>(Clock::now() - loadStart).count());

    std::vector<double> latencies;
    for (int i = 0; i < 10; ++i) {
        const auto called = Clock::now();
        PlayMidi(QString::fromLatin1(piece));
        const double callMs =
            std::chrono::duration<double, std::milli>(Clock::now() - called).count();
        while (media::ProbeSinceOpen().firstAudibleUs < 0) ui::Sleep(1);
        latencies.push_back(callMs +
                            static_cast<double>(media::ProbeSinceOpen().firstAudibleUs) / 1000.0);
        RunEventsFor(0.2);
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf(
        "PlayMidi to first audible sample: median %.1f ms, worst %.1f ms (target under 30 ms)\n",
        latencies[latencies.size() / 2], latencies.back());

    constexpr double kListen = 15.0;
    PlayMidi(QString::fromLatin1(piece));
    const double before = CpuSeconds(RUSAGE_SELF);
    RunEventsFor(kListen);
    const double oursPerSecond = (CpuSeconds(RUSAGE_SELF) - before) / kListen;
    StopMidi();

    const media::RenderedPiece rendered = media::RenderMidiFile(QString::fromLatin1(piece), 300);
    const double childBefore = CpuSeconds(RUSAGE_CHILDREN);
    QProcess::execute(QStringLiteral("fluidsynth"),
                      {"-ni", "-q", "-g", "0.35", "-r", "44100", "-T", "raw", "-F", "/dev/null",
                       media::SoundfontPath(), QString::fromLatin1(piece)});
    const double cliPerSecond = (CpuSeconds(RUSAGE_CHILDREN) - childBefore) / rendered.seconds;
    std::printf("CPU per second of music: game %.4f s, fluidsynth command %.4f s, ratio %.2f\n",
                oursPerSecond, cliPerSecond, oursPerSecond / cliPerSecond);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory: %.1f MiB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
    ui::EndProgram();
}
