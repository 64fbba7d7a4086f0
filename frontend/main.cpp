#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include "core/GameState.h"
#include "frontend/Main.h"
#include "frontend/comfort.h"
#include "frontend/keys.h"
#include "frontend/voicing.h"
#include "frontend/wording.h"
#include "media/audio.h"
#include "ui/Form.h"
#include "ui/application.h"
#include "ui/folders.h"
#include "ui/language.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace {

// Looked up by name; DescribeOptions gives them their words in the player's language.
const QCommandLineOption kSoundfont(QStringLiteral("soundfont"), QString(), QStringLiteral("FILE"));
const QCommandLineOption kNoMusic(QStringLiteral("no-music"));
const QCommandLineOption kData(QStringLiteral("data"), QString(), QStringLiteral("DIR"));
const QCommandLineOption kLanguage(QStringLiteral("lang"), QString(), QStringLiteral("LANG"));
const QCommandLineOption kScale(QStringLiteral("scale"), QString(), QStringLiteral("N"));

QCommandLineOption Described(QCommandLineOption option, const char* description) {
    option.setDescription(QCoreApplication::translate("CommandLine", description));
    return option;
}

void DescribeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Velmora 3rd STORY"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(Described(
        kSoundfont, QT_TRANSLATE_NOOP("CommandLine",
                                      "音楽に使う General MIDI サウンドフォント (SF2)。"
                                      "読み込めないときは標準のサウンドフォントを使います。")));
    parser.addOption(Described(
        kScale, QT_TRANSLATE_NOOP("CommandLine",
                                  "画面の倍率 (1〜3)。指定しないときは設定の値、"
                                  "それもなければ画面に収まるいちばん大きな倍率になります。")));
    parser.addOption(Described(
        kLanguage,
        QT_TRANSLATE_NOOP("CommandLine",
                          "言語: ja（日本語）または en（English）。指定しないときは設定の値、"
                          "初めての起動ではデスクトップのロケールに従います。")));
    parser.addOption(Described(
        kNoMusic,
        QT_TRANSLATE_NOOP(
            "CommandLine",
            "音楽なしで遊びます（Shift を押しながら「S t a r t」をクリックしたときと同じ）。")));
    parser.addOption(Described(
        kData,
        QT_TRANSLATE_NOOP("CommandLine",
                          "セーブを書き、差し替えのファイルを探す実行フォルダ。なければ作ります。"
                          "インストールしたゲームでは標準で $XDG_DATA_HOME/velmora3 です。")));
}

void RefuseCommandLine(const QString& problem) {
    const QString message =
        QCoreApplication::translate("CommandLine",
                                    "velmora3: コマンドラインの指定が正しくありません: %1\n"
                                    "使い方は velmora3 --help で表示されます。\n")
            .arg(problem);
    std::fputs(message.toLocal8Bit().constData(), stderr);
    std::exit(2);
}

// Help and version need no window system, so they are answered before it starts: a packager's
// help2man runs without a display.
void AnswerHelpOrVersion(int& argc, char** argv) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        for (const char* option : {"-h", "-?", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0) {
                QCoreApplication core(argc, argv);
                // The --lang given, else the stored or the desktop's language.
                std::optional<ui::Language> requested;
                for (int j = 1; j + 1 < argc; ++j)
                    if (std::strcmp(argv[j], "--lang") == 0)
                        requested = ui::LanguageOfCode(QString::fromLocal8Bit(argv[j + 1]));
                const ui::Language language = requested.value_or(StoredComforts().language);
                // Qt's own lines of the help stay in English, as they always were.
                ui::SetTablesLanguage(language);
                if (language == ui::Language::English) ui::SetTextsLanguage(language);
                QCommandLineParser parser;
                DescribeOptions(parser);
                parser.process(core);  // prints the answer and ends the program
            }
}

}  // namespace

int main(int argc, char** argv) {
    // One heap for every thread: the soundfont loads on a thread of its own, whose heap would
    // keep the load's freed buffers, 2 MB with TimGM6mb, for the whole run. The threads that
    // play the sound allocate nothing while they play, so they never wait on the others.
    mallopt(M_ARENA_MAX, 1);
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    AnswerHelpOrVersion(argc, argv);
    ui::Application app(argc, argv);

    QCommandLineParser parser;
    DescribeOptions(parser);
    if (!parser.parse(app.arguments()) || !parser.positionalArguments().isEmpty()) {
        RefuseCommandLine(parser.positionalArguments().isEmpty()
                              ? parser.errorText()
                              : parser.positionalArguments().join(QLatin1Char(' ')));
    }
    std::optional<ui::Language> language;
    if (parser.isSet(kLanguage)) {
        language = ui::LanguageOfCode(parser.value(kLanguage));
        if (!language)
            RefuseCommandLine(QCoreApplication::translate("CommandLine", "--lang %1 (ja か en)")
                                  .arg(parser.value(kLanguage)));
    }
    ui::SetLanguage(StartingLanguage(language));
    int scale = 0;
    if (parser.isSet(kScale)) {
        bool number = false;
        scale = parser.value(kScale).toInt(&number);
        if (!number || scale < 1 || scale > ui::kMaxScale)
            RefuseCommandLine(
                QCoreApplication::translate("CommandLine", "--scale %1 (1〜%2 の整数)")
                    .arg(parser.value(kScale))
                    .arg(ui::kMaxScale));
    }
    // Resolved now: the game may change its current folder later.
    if (parser.isSet(kSoundfont))
        media::UseSoundfont(QFileInfo(parser.value(kSoundfont)).absoluteFilePath());
    GameState.musicMuted = parser.isSet(kNoMusic);
    if (const QString problem = ui::EnterGameFolders(parser.value(kData)); !problem.isEmpty()) {
        std::fprintf(stderr, "velmora3: %s\n", problem.toLocal8Bit().constData());
        // A folder the player named is a mistake to fix first; without the usual one the game
        // is still played, and saved where it was started.
        if (parser.isSet(kData)) return 2;
        ui::MsgBox(problem + QCoreApplication::translate("CommandLine",
                                                         "\r\nセーブは今のフォルダ %1 に書きます。")
                                 .arg(QDir::toNativeSeparators(QDir::currentPath())),
                   ui::vbOKOnly | ui::vbExclamation, QStringLiteral("Velmora 3rd STORY"));
    }

    // The first window needs no sound, and opening the device and the synth is a good part of
    // the start-up. The logo's jingle comes a fifth of a second after the window.
    app.AfterFirstWindow(media::StartAudio);
    StartWithComforts(scale, parser.isSet(kSoundfont));
    ui::SetGlobalKeyHandler(ComfortKey);
    StartVoicing();
    RetellWindowsOnLanguageChange();
    Main();
    // The program ends from inside the game, never by leaving this loop.
    return app.exec();
}
