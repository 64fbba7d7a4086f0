#include "media/speech.h"

#include <deque>

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "media/audio.h"
#include "ui/gametime.h"

namespace media {

namespace {

const char kOpenJTalk[] = "open_jtalk";
const char kDictionary[] = "/var/lib/mecab/dic/open-jtalk/naist-jdic";
const char kVoice[] = "/usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice";
const char kESpeak[] = "espeak-ng";

struct Voices {
    std::function<void(const Utterance&)> recorder;
    QString command;
    QPointer<QProcess> making;  // the utterance being made or, with the player's command, said
    std::deque<Utterance> waiting;
    std::deque<QString> ready;  // made, to play next
    std::unique_ptr<QTemporaryDir> folder;
    int made = 0;
    bool selfVoicing = false;
};

Voices& State() {
    static Voices voices;
    return voices;
}

QString Program(ui::Language language) {
    return QStandardPaths::findExecutable(
        QString::fromLatin1(language == ui::Language::Japanese ? kOpenJTalk : kESpeak));
}

// The program and arguments that make `wavPath` of a text read from standard input.
QStringList VoiceCommand(ui::Language language, const QString& wavPath) {
    if (language == ui::Language::Japanese)
        return {Program(language),
                QStringLiteral("-x"),
                QString::fromLatin1(kDictionary),
                QStringLiteral("-m"),
                QString::fromLatin1(kVoice),
                QStringLiteral("-ow"),
                wavPath};
    return {Program(language),         QStringLiteral("-v"), QStringLiteral("en"),
            QStringLiteral("--stdin"), QStringLiteral("-w"), wavPath};
}

// Open JTalk reads a line at a time: the whole text goes in as one.
QByteArray OneLine(const QString& text) {
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\n'), ' ');
    return line.toUtf8() + '\n';
}

// A long line is made a sentence at a time, so that its first words are heard while the rest
// are still being made.
QStringList Sentences(const QString& text) {
    static const QString ends = QStringLiteral("。！？!?.");
    static const QString closers = QStringLiteral("」』）)\"”’ ");
    QStringList sentences;
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!ends.contains(text[i])) continue;
        // A full stop in English ends a sentence only before a space: 4.30, e.g.
        if (text[i] == QLatin1Char('.') && i + 1 < text.size() && text[i + 1] != QLatin1Char(' '))
            continue;
        qsizetype end = i + 1;
        while (end < text.size() && (closers.contains(text[end]) || ends.contains(text[end])))
            ++end;
        sentences << text.mid(from, end - from).trimmed();
        from = end;
        i = end - 1;
    }
    sentences << text.mid(from).trimmed();
    sentences.removeAll(QString());
    return sentences;
}

void Next();

void Stop(Voices& v) {
    if (QProcess* process = v.making) {
        v.making = nullptr;
        process->disconnect();
        process->kill();
        process->waitForFinished(100);  // a killed child: reaped at once
        process->deleteLater();
    }
    v.ready.clear();
    StopSpeech();
}

void Start(Voices& v, const Utterance& u) {
    auto* process = new QProcess(qApp);
    v.making = process;
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError) {
        if (process->state() != QProcess::NotRunning) return;
        State().making = nullptr;
        process->deleteLater();
        QMetaObject::invokeMethod(qApp, Next, Qt::QueuedConnection);
    });
    if (!v.command.isEmpty()) {
        QStringList args = QProcess::splitCommand(v.command);
        const QString program = args.takeFirst();
        QObject::connect(process, &QProcess::finished, process, [process] {
            State().making = nullptr;
            process->deleteLater();
            Next();
        });
        process->start(program, args << u.text);
        return;
    }
    if (!v.folder) v.folder = std::make_unique<QTemporaryDir>();
    // One file playing, one made and waiting, one being made: none is written over in use.
    const QString wav = v.folder->filePath(QStringLiteral("say%1.wav").arg(v.made++ % 3));
    QObject::connect(process, &QProcess::finished, process, [process, wav](int code) {
        State().making = nullptr;
        process->deleteLater();
        if (code == 0 && process->exitStatus() == QProcess::NormalExit)
            State().ready.push_back(wav);
        Next();
    });
    QStringList args = VoiceCommand(u.language, wav);
    const QString program = args.takeFirst();
    process->start(program, args);
    process->write(OneLine(u.text));
    process->closeWriteChannel();
}

// Plays what is made once the speech before it has ended, and makes the next while it plays.
// The player's own command speaks by itself, one utterance at a time.
void Next() {
    Voices& v = State();
    if (!v.ready.empty() && !SpeechPlaying()) {
        PlaySpeech(v.ready.front());
        v.ready.pop_front();
    }
    if (v.making || !v.ready.empty()) return;
    while (!v.waiting.empty()) {
        const Utterance u = v.waiting.front();
        v.waiting.pop_front();
        if (v.command.isEmpty() && !VoiceInstalled(u.language)) continue;
        Start(v, u);
        return;
    }
}

}  // namespace

void Say(const QString& text, ui::Language language, bool cut) {
    Voices& v = State();
    const Utterance u{text, language, cut};
    if (v.recorder) {
        v.recorder(u);
        return;
    }
    // Tests and benchmarks in game time hear nothing unless they listen.
    if (ui::IsVirtualTime() || text.trimmed().isEmpty()) return;
    OnSpeechFinished(Next);
    if (cut) {
        v.waiting.clear();
        Stop(v);
    }
    if (v.command.isEmpty())
        for (const QString& sentence : Sentences(text))
            v.waiting.push_back({sentence, language, cut});
    else
        v.waiting.push_back(u);
    Next();
}

void SetSelfVoicing(bool on) {
    State().selfVoicing = on;
    if (!on) StopSpeaking();
}

bool SelfVoicing() {
    return State().selfVoicing;
}

void Voice(const QString& text, bool cut) {
    if (!SelfVoicing()) return;
    const QString spoken = SpokenText(text);
    if (!spoken.isEmpty()) Say(spoken, ui::CurrentLanguage(), cut);
}

QString SpokenText(const QString& text) {
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    static const QRegularExpression pictureCodes(
        QStringLiteral("(?<![A-Za-z0-9])C3[0-9]{2}[A-Z](?![A-Za-z0-9])"));
    static const QRegularExpression breaks(QStringLiteral("[\\r\\n]+"));
    QString spoken = text;
    spoken.remove(tags).remove(pictureCodes);
    // Accelerator marks: "&&" is a plain "&".
    spoken.replace(QLatin1String("&&"), QChar(0xfffc)).remove(QLatin1Char('&'));
    spoken.replace(QChar(0xfffc), QLatin1Char('&'));
    spoken.replace(breaks, QStringLiteral(" "));
    // Brackets that frame a caption are seen, not heard.
    spoken.remove(QChar(0x3010)).remove(QChar(0x3011));
    return spoken.simplified();
}

void StopSpeaking() {
    Voices& v = State();
    v.waiting.clear();
    Stop(v);
}

bool Speaking() {
    const Voices& v = State();
    return v.making || SpeechPlaying() || !v.waiting.empty() || !v.ready.empty();
}

void UseSpeechCommand(const QString& command) {
    State().command = command.trimmed();
}

bool VoiceInstalled(ui::Language language) {
    if (Program(language).isEmpty()) return false;
    return language != ui::Language::Japanese ||
           (QFileInfo(QString::fromLatin1(kDictionary)).isDir() &&
            QFileInfo(QString::fromLatin1(kVoice)).isFile());
}

QString VoicePackages(ui::Language language) {
    return language == ui::Language::Japanese ? QStringLiteral(
                                                    "open-jtalk open-jtalk-mecab-naist-jdic "
                                                    "hts-voice-nitech-jp-atr503-m001")
                                              : QStringLiteral("espeak-ng");
}

bool SynthesizeToFile(const QString& text, ui::Language language, const QString& wavPath) {
    if (!VoiceInstalled(language)) return false;
    QStringList args = VoiceCommand(language, wavPath);
    const QString program = args.takeFirst();
    QProcess process;
    process.start(program, args);
    process.write(OneLine(text));
    process.closeWriteChannel();
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

void testing::RecordSpeech(std::function<void(const Utterance&)> recorder) {
    State().recorder = std::move(recorder);
}

}  // namespace media
