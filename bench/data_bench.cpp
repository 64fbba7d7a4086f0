// Measures a lookup in the conversation data through the game's own reader:
//   lookup_first_ms, lookup_repeat_ms   the player's line for a code near the end of an 8 MB
//                                       VelKaiwa.dat, the first time and then (median of 20) again
//   peak_mb                             the process's peak resident memory after those lookups
//   refuse_100mb_ms                     the same lookup in a 100 MB file, until it gives up
//   peak_after_100mb_mb                 the peak memory once the 100 MB file has been tried
// Figures go to stdout as "name value" words. It works in a temporary folder of its own.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "conversation/script.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr qint64 kMb = 1024 * 1024;
constexpr int kLookedUp = 999;  // a code that stands only near the end of the file

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double PeakMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// A VelKaiwa.dat of about `bytes`: quoted lines of three-digit codes and Japanese text, CR LF,
// CP932; the looked-up line comes last but for a few when `withTarget` holds.
void WriteLinesFile(qint64 bytes, bool withTarget) {
    const QStringList texts{
        QStringLiteral("卒業おめでとう。店でもずっと世話になったな"),
        QStringLiteral("バイトばっかりで、学校の思い出とかあるの？"),
        QStringLiteral("ここからの眺め、最高だよな"),
        QStringLiteral("別に。一人になりたかっただけ"),
        QStringLiteral("メイク、落ちてるぞ。ＸＸＸが言うのもなんだけど、最後の日くらいはさ"),
    };
    QStringEncoder encoder("CP932");
    QFile file(conversation::kLinesFile);
    if (!file.open(QIODevice::WriteOnly)) return;
    const QByteArray target =
        encoder.encode(QStringLiteral("\"%1最後に会えてよかった\"\r\n").arg(kLookedUp));
    QByteArray chunk;
    for (int i = 0; chunk.size() < kMb; ++i) {
        const int code = 100 + i % 800;  // never kLookedUp
        chunk += encoder.encode(QStringLiteral("\"%1%2\"\r\n").arg(code).arg(texts[i % 5]));
    }
    qint64 written = 0;
    while (written + chunk.size() < bytes - 4096) written += file.write(chunk);
    const QByteArray tail = chunk.left(static_cast<qsizetype>(bytes - written - 1024));
    file.write(tail.left(tail.lastIndexOf('\n') + 1));
    if (withTarget) file.write(target);
    file.write(chunk.left(chunk.indexOf('\n') + 1));
}

double LookupMs() {
    conversation::DataProblem problem;
    const auto start = Clock::now();
    const auto line = conversation::ReadPlayerLine(kLookedUp, problem);
    const double ms = MsSince(start);
    if (!line) std::fprintf(stderr, "lookup failed: %s\n", qPrintable(problem.what));
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ui::SetLanguage(ui::Language::Japanese);  // the Japanese file is the one measured
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());

    WriteLinesFile(8 * kMb, true);
    std::printf("file_mb %.2f\n", static_cast<double>(QFile(conversation::kLinesFile).size()) /
                                      static_cast<double>(kMb));
    std::printf("lookup_first_ms %.1f\n", LookupMs());
    std::vector<double> repeats;
    for (int i = 0; i < 20; ++i) repeats.push_back(LookupMs());
    std::nth_element(repeats.begin(), repeats.begin() + 10, repeats.end());
    std::printf("lookup_repeat_ms %.2f\n", repeats[10]);
    std::printf("peak_mb %.1f\n", PeakMb());

    WriteLinesFile(100 * kMb, false);
    conversation::DataProblem problem;
    const auto start = Clock::now();
    conversation::ReadPlayerLine(kLookedUp, problem);
    std::printf("refuse_100mb_ms %.3f\n", MsSince(start));
    std::printf("peak_after_100mb_mb %.1f\n", PeakMb());
    return 0;
}
