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

const QCommandLineOption kSoundfont(
    QStringLiteral("soundfont"),
    QStringLiteral("音楽に使う General MIDI サウンドフォント (SF2)。"
                   "読み込めないときは標準のサウンドフォントを使います。"),
    QStringLiteral("FILE"));
const QCommandLineOption kNoMusic(
    QStringLiteral("no-music"),
    QStringLiteral(
        "音楽なしで遊びます（Shift を押しながら「S t a r t」をクリックしたときと同じ）。"));
const QCommandLineOption kData(
    QStringLiteral("data"),
    QStringLiteral("セーブを書き、差し替えのファイルを探す実行フォルダ。なければ作ります。"
                   "インストールしたゲームでは標準で $XDG_DATA_HOME/velmora3 です。"),
    QStringLiteral("DIR"));

const QCommandLineOption kLanguage(
    QStringLiteral("lang"),
    QStringLiteral("言語: ja（日本語）または en（English）。指定しないときは設定の値、"
                   "初めての起動ではデスクトップのロケールに従います。"),
    QStringLiteral("LANG"));

const QCommandLineOption kScale(
    QStringLiteral("scale"),
    QStringLiteral("画面の倍率 (1〜3)。指定しないときは設定の値、"
                   "それもなければ画面に収まるいちばん大きな倍率になります。"),
    QStringLiteral("N"));

void DescribeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Velmora 3rd STORY"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(kSoundfont);
    parser.addOption(kScale);
    parser.addOption(kLanguage);
    parser.addOption(kNoMusic);
    parser.addOption(kData);
}

void RefuseCommandLine(const QString& problem) {
    std::fprintf(stderr,
                 "velmora3: コマンドラインの指定が正しくありません: %s\n"
                 "使い方は velmora3 --help で表示されます。\n",
                 problem.toLocal8Bit().constData());
    std::exit(2);
}

// Help and version need no window system, so they are answered before it starts: a packager's
// help2man runs without a display.
void AnswerHelpOrVersion(int& argc, char** argv) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        for (const char* option : {"-h", "-?", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0) {
                QCoreApplication core(argc, argv);
                QCommandLineParser parser;
                DescribeOptions(parser);
                parser.process(core);  // prints the answer and ends the program
            }
}

}  // namespace

int main(int argc, char** argv) {
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
            RefuseCommandLine(QStringLiteral("--lang %1 (ja か en)").arg(parser.value(kLanguage)));
    }
    ui::SetLanguage(StartingLanguage(language));
    int scale = 0;
    if (parser.isSet(kScale)) {
        bool number = false;
        scale = parser.value(kScale).toInt(&number);
        if (!number || scale < 1 || scale > ui::kMaxScale)
            RefuseCommandLine(QStringLiteral("--scale %1 (1〜%2 の整数)")
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
        ui::MsgBox(problem + QStringLiteral("\r\nセーブは今のフォルダ %1 に書きます。")
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
