// Measures self-voicing live, through the game's own path: each line is handed to the speech
// seam as the campus screen hands it, the voice makes it in a child process and the mixer plays
// it on SDL's device (run with SDL_AUDIODRIVER=dummy where there is no sound card).
//   speech_bench ja|en   prints, as "name value" words: how long from a line appearing to the
//                        start of its speech (median and worst), the seconds spoken, and the
//                        CPU that speaking cost, the voice's and the game's, per second spoken
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <QDir>
#include <QTimer>

#include "media/audio.h"
#include "media/speech.h"
#include "story/story.h"
#include "story/text.h"
#include "ui/application.h"
#include "ui/language.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double CpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs events until `done` holds or ten seconds have gone; false then.
template <class Done>
bool RunUntil(ui::Application& app, Done done) {
    const auto start = Clock::now();
    QTimer tick;  // wakes the loop to look at the time
    tick.start(100);
    while (!done()) {
        if (MsSince(start) > 10000) return false;
        app.processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc == 2 ? argv[1] : "";
    if (mode != "ja" && mode != "en") {
        std::fprintf(stderr, "usage: speech_bench ja|en\n");
        return 2;
    }
    const ui::Language language = mode == "ja" ? ui::Language::Japanese : ui::Language::English;
    QDir::setCurrent(QStringLiteral(VELMORA_DATA_DIR));
    ui::Application app(argc, argv);
    ui::SetLanguage(language);
    if (!media::VoiceInstalled(language)) {
        std::fprintf(stderr, "speech_bench: install %s\n",
                     qPrintable(media::VoicePackages(language)));
        return 1;
    }
    media::StartAudio();
    media::SetSelfVoicing(true);
    const QStringList lines = {story::Q(story::RingNarration()), story::Q(story::FiveOClockLine()),
                               story::Q(story::GateClosedNarration()),
                               story::Q(story::EpilogueCommonLine())};

    std::vector<double> latencies;
    double spokenMs = 0;
    const double selfBefore = CpuSeconds(RUSAGE_SELF);
    const double childrenBefore = CpuSeconds(RUSAGE_CHILDREN);
    for (int round = 0; round < 3; ++round)
        for (const QString& line : lines) {
            const auto shown = Clock::now();
            media::Voice(line);
            if (!RunUntil(app, [] { return media::SpeechPlaying(); })) {
                std::fprintf(stderr, "speech_bench: no speech within 10 s: %s\n",
                             qUtf8Printable(line));
                return 1;
            }
            latencies.push_back(MsSince(shown));
            const auto started = Clock::now();
            RunUntil(app, [] { return !media::Speaking(); });
            spokenMs += MsSince(started);
        }
    const double selfCpu = CpuSeconds(RUSAGE_SELF) - selfBefore;
    const double voiceCpu = CpuSeconds(RUSAGE_CHILDREN) - childrenBefore;
    std::sort(latencies.begin(), latencies.end());
    const double spokenS = spokenMs / 1000;
    std::printf(
        "language %s lines %zu median_ms %.0f worst_ms %.0f spoken_s %.1f voice_cpu_per_s %.3f "
        "game_cpu_per_s %.3f\n",
        mode.c_str(), latencies.size(), latencies[latencies.size() / 2], latencies.back(), spokenS,
        voiceCpu / spokenS, selfCpu / spokenS);
    return 0;
}
