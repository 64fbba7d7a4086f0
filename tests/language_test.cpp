// The player's language: its conversation files, how the game chooses it and what a switch
// changes on the screens, and what it leaves alone.

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFontInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QStringEncoder>

#include "campus/AnswerWindow.h"
#include "campus/CampusScreen.h"
#include "campus/HistoryWindow.h"
#include "campus/meetings.h"
#include "campus/walks.h"
#include "conversation/delimited.h"
#include "conversation/script.h"
#include "core/GameState.h"
#include "frontend/DataRoom.h"
#include "frontend/GraduationAlbum.h"
#include "frontend/SettingsWindow.h"
#include "frontend/StartMenu.h"
#include "frontend/TitleScreen.h"
#include "frontend/comfort.h"
#include "frontend/session.h"
#include "frontend/wording.h"
#include "records/clearrecord.h"
#include "records/settings.h"
#include "story/story.h"
#include "story/text.h"
#include "tests/support/campus.h"
#include "tests/support/files.h"
#include "tests/support/player.h"
#include "ui/folders.h"
#include "ui/gametime.h"
#include "ui/language.h"
#include "ui/twips.h"

namespace {

using story::Q;
using ui::Language;

std::vector<QString> Fields(const QString& file, conversation::DataEncoding encoding) {
    QString problem;
    const auto parsed = conversation::ReadDataFields(file, problem, encoding);
    EXPECT_TRUE(parsed) << file << problem;
    std::vector<QString> fields;
    if (parsed)
        for (const QStringView field : parsed->fields) fields.push_back(field.toString());
    return fields;
}

// The code a conversation file's field begins with, or the conversation it heads ("12A").
QString CodeOf(const QString& field) {
    return field.size() == 3 && field[2].isLetter() ? field : field.left(3);
}

// That they are read in the player's language is the switch tests' and the fitting check's.
TEST(Language, TheEnglishConversationsHoldTheJapaneseCodesAndChanges) {
    CopyGameData();
    for (const QString& name : {conversation::kLinesFile, conversation::kRepliesFile}) {
        const auto japanese = Fields(name, conversation::DataEncoding::Cp932OrUtf8);
        const auto english = Fields(conversation::DataFileFor(name, Language::English),
                                    conversation::DataEncoding::Utf8);
        ASSERT_EQ(japanese.size(), english.size()) << name;
        ASSERT_GT(japanese.size(), 100u) << name;
        for (size_t i = 0; i < japanese.size(); ++i) {
            EXPECT_EQ(CodeOf(japanese[i]), CodeOf(english[i])) << name << " field " << i;
            if (name == conversation::kRepliesFile && CodeOf(japanese[i]) != japanese[i]) {
                EXPECT_EQ(japanese[i].right(2), english[i].right(2)) << english[i];
            }
        }
    }
}

TEST(Language, APlayersEnglishFileOverridesTheShippedOneAndABrokenOneIsToldInEnglish) {
    QDir().mkpath("shipped");
    QDir::setCurrent("shipped");
    CopyGameData();
    QDir::setCurrent("..");
    ui::SetShippedDataFolder(QDir::current().filePath("shipped"));
    ui::SetLanguage(Language::English);
    conversation::DataProblem problem;
    const auto shipped = conversation::ReadPlayerLine(120, problem);
    ASSERT_TRUE(shipped) << problem.what;

    QDir().mkpath("en");
    WriteBytes("en/VelKaiwa.dat", "\"120Mine, in my own words.\"\n");
    EXPECT_EQ(conversation::ReadPlayerLine(120, problem).value_or(""), "Mine, in my own words.");
    // The Japanese player still reads the shipped Japanese file.
    EXPECT_EQ(conversation::ReadPlayerLine(120, problem, Language::Japanese),
              Fields("shipped/VelKaiwa.dat", conversation::DataEncoding::Cp932OrUtf8).at(0).mid(3));

    // Saved in the Japanese code page, it is no English file: told, not read as mojibake.
    WriteBytes("en/VelKaiwa.dat", QStringEncoder("CP932").encode(u"\"120ＸＸＸ君、元気？\"\n"));
    EXPECT_FALSE(conversation::ReadPlayerLine(120, problem));
    EXPECT_EQ(problem.file, "en/VelKaiwa.dat");
    EXPECT_TRUE(problem.what.contains("not UTF-8")) << problem.what;
    WriteBytes("en/VelKaiwa.dat", "\"999Nothing the game asks for.\"\n");
    EXPECT_FALSE(conversation::ReadPlayerLine(120, problem));
    EXPECT_EQ(problem.what, "There is no line 120.");
    ui::SetShippedDataFolder(QString());
}

TEST(Language, TheFirstStartFollowsTheLocaleAndAStoredChoiceOrTheCommandLineWin) {
    const auto withLocale = [](const char* all, const char* messages, const char* lang) {
        qputenv("LC_ALL", all);
        qputenv("LC_MESSAGES", messages);
        qputenv("LANG", lang);
        return StartingLanguage(std::nullopt);
    };
    ASSERT_FALSE(HasSettingsFile());
    EXPECT_EQ(withLocale("ja_JP.UTF-8", "", ""), Language::Japanese);
    EXPECT_EQ(withLocale("C", "", "en_US.UTF-8"), Language::Japanese);
    EXPECT_EQ(withLocale("", "POSIX", "de_DE"), Language::Japanese);
    EXPECT_EQ(withLocale("", "", "C.UTF-8"), Language::Japanese);
    EXPECT_EQ(withLocale("", "", ""), Language::Japanese);
    EXPECT_EQ(withLocale("en_US.UTF-8", "", "ja_JP.UTF-8"), Language::English);
    EXPECT_EQ(withLocale("", "de_DE", "ja_JP.UTF-8"), Language::English);
    EXPECT_EQ(withLocale("", "", "de_DE"), Language::English);

    // The file is born with the language the first start chose, so it is kept once he saves.
    SaveSetting(kSavedFamilyNameKey, "Smith");
    EXPECT_EQ(GetComfortSetting(kLanguageKey), "en");
    EXPECT_EQ(withLocale("ja_JP.UTF-8", "", ""), Language::English);
    EXPECT_EQ(StartingLanguage(Language::Japanese), Language::Japanese);  // --lang ja

    // An earlier version's file has no language: its player has always played in Japanese.
    WriteBytes(SettingsFilePath(), "[Velmora3]\nSavedMyouji=山田\n");
    EXPECT_EQ(withLocale("en_US.UTF-8", "", ""), Language::Japanese);
    EXPECT_EQ(StartingLanguage(Language::English), Language::English);  // --lang en
    SaveSetting(kSavedFamilyNameKey, "山田");
    EXPECT_TRUE(GetComfortSetting(kLanguageKey).isEmpty());
    SeedNewSettingsFile(QString(), QString());

    // The choice in 設定 is kept and takes effect at once, on the screens already open too.
    RetellWindowsOnLanguageChange();
    CopyGameData();
    const QString japaneseTip = StartMenu->friendPicture(0).toolTip();
    SettingsWindow->Show();
    SettingsWindow->languageChoice->setCurrentIndex(1);
    EXPECT_EQ(ui::CurrentLanguage(), Language::English);
    EXPECT_EQ(GetComfortSetting(kLanguageKey), "en");
    EXPECT_EQ(GetSetting(kSavedFamilyNameKey), "山田");
    EXPECT_EQ(StartMenu->friendPicture(0).toolTip(), Q(story::AlbumFriendTooltip()));
    SettingsWindow->languageChoice->setCurrentIndex(0);
    EXPECT_EQ(StartMenu->friendPicture(0).toolTip(), japaneseTip);
    EXPECT_EQ(GetComfortSetting(kLanguageKey), "ja");
    SettingsWindow.Unload();
    StartMenu.Unload();

    // The command line: only ja and en; a good one lets the next option be checked.
    const auto refusal = [](const QStringList& arguments) {
        QProcess game;
        game.setProcessChannelMode(QProcess::MergedChannels);
        game.start(QStringLiteral(VELMORA_BUILD_DIR "/velmora3"), arguments);
        EXPECT_TRUE(game.waitForFinished(30000));  // the bound only catches a hang
        EXPECT_EQ(game.exitCode(), 2) << arguments.join(' ');
        return QString::fromUtf8(game.readAll());
    };
    EXPECT_TRUE(refusal({"--lang", "fr"}).contains("--lang fr"));
    EXPECT_TRUE(refusal({"--lang", "en", "--scale", "9"}).contains("--scale 9"));
    EXPECT_TRUE(refusal({"--lang", "ja", "--scale", "0"}).contains("--scale 0"));
}

// Everything the game and its clock are at one moment.
struct Moment {
    GameRecord game;
    ui::GameMs now;
    std::vector<ui::gametime::Entry> due;
};
Moment Here() {
    return {GameState, ui::NowMs(), ui::gametime::Scheduled()};
}
void ExpectUntouched(const Moment& before) {
    EXPECT_TRUE(GameState == before.game);
    EXPECT_EQ(ui::NowMs(), before.now);
    EXPECT_TRUE(ui::gametime::Scheduled() == before.due);
}

class Switch : public testing::Test {
  protected:
    void SetUp() override { BeginTestGame(); }
    void TearDown() override { EndTestGame(); }
    static QString Speaker() { return CampusScreen->speakerLabel->Caption(); }
    Player player;
};

TEST_F(Switch, InTheMiddleOfTheOpeningTheLineChangesAndTheStoryGoesOnInEnglish) {
    Moment before;
    player.Now([] { StartSession(false); })
        .Then(
            "the third line of the opening",
            [] { return Line() == Q(story::OpeningNarration()[2]); },
            [&] {
                before = Here();
                ui::SwitchLanguage(Language::English);
                EXPECT_EQ(Line(), Q(story::OpeningNarration()[2]));
                EXPECT_NE(Line(), Q(story::ja::OpeningNarration()[2]));
                ExpectUntouched(before);
            })
        .Then(
            "the fourth line, in English", [] { return Line() == Q(story::OpeningNarration()[3]); },
            [] {}, Seconds(60))
        .Then(
            "the album", [] { return GraduationAlbum.IsLoaded() && GraduationAlbum->isVisible(); },
            [] { driver::Click(&GraduationAlbum->photos(0)); })
        .Then(
            "the album asks, in English",
            [] {
                return GraduationAlbum->messageLabel->Caption() == Q(story::AlbumConfirmation());
            },
            [] { driver::Click(&GraduationAlbum->photos(0)); })
        .Run("the day begins", Idle, Seconds(120));
    EXPECT_EQ(ui::CurrentLanguage(), Language::English);
    EXPECT_EQ(GameState.targetHeroine, 1);
}

TEST_F(Switch, WhileSheWaitsForAnAnswerTheGreetingTheAnswersAndHerReplyChange) {
    const auto answers = [](Language language) {
        QStringList lines;
        for (int k = 1; k <= kOfferedLines; ++k) {
            conversation::DataProblem problem;
            lines.append(conversation::WithFamilyName(
                conversation::ReadPlayerLine(GameState.offeredCodes[static_cast<size_t>(k)],
                                             problem, language)
                    .value_or("missing"),
                GameState.familyName));
        }
        return lines;
    };
    const auto shownAnswers = [] {
        QStringList lines;
        for (int i = 0; i < kOfferedLines; ++i) lines.append(AnswerWindow->answerButtons(i).text());
        return lines;
    };
    player.Now([] { ResumeAt(6, 5, 1); })
        .Then(
            "heroine 6 comes to the court", Asked,
            [&] {
                EXPECT_EQ(shownAnswers(), answers(Language::Japanese));
                const Moment before = Here();
                ui::SwitchLanguage(Language::English);
                ExpectUntouched(before);
                EXPECT_EQ(Line(), Q(story::GreetingAt(6, 6).whileWaiting));
                EXPECT_EQ(Speaker(), "Ryoko Onuki");
                EXPECT_EQ(shownAnswers(), answers(Language::English));
                // In the reading face, at the size the design gave the line.
                const QFont line = CampusScreen->lineLabel->font();
                EXPECT_EQ(QFontInfo(line).family(), ui::kEnglishFace);
                EXPECT_EQ(line.pixelSize(), LineFont().pixelSize());
                EXPECT_EQ(QFontInfo(AnswerWindow->answerButtons(0).font()).family(),
                          ui::kEnglishFace);
                EXPECT_TRUE(AnswerWindow->isVisible());

                driver::Click(&AnswerWindow->answerButtons(1));
                conversation::DataProblem problem;
                const int code = GameState.offeredCodes[2];
                const auto english = conversation::ReadReply("66B", code, problem);
                const auto japanese =
                    conversation::ReadReply("66B", code, problem, Language::Japanese);
                ASSERT_TRUE(english && japanese);
                EXPECT_EQ(Line(), conversation::WithFamilyName(english->text, "山田"));
                const Moment replied = Here();
                ui::SwitchLanguage(Language::Japanese);
                ExpectUntouched(replied);
                EXPECT_EQ(Line(), conversation::WithFamilyName(japanese->text, "山田"));
                EXPECT_EQ(Speaker(), Q(story::ja::HeroineName(6)));
                EXPECT_EQ(CampusScreen->lineLabel->font().families(), QStringList{ui::kPGothic});
            },
            ByMinute(6))
        .Run("the answer", Idle, ByMinute(7));
}

TEST_F(Switch, EveryScreenReadsEnglishAfterASwitchAndTheExactJapaneseAfterOneBack) {
    player
        .Now([] {
            SaveSetting(kClearRecordKey,
                        QString(kHeroineMarkers[0]) + "1" + kHeroineMarkers[5] + "3");
            ResumeAt(6, 5, 1);
        })
        .Then(
            "heroine 6 asks at the court", Asked,
            [] {
                TitleScreen->Show();
                StartMenu->Show();
                driver::Click(&StartMenu->entries(0));
                ASSERT_TRUE(StartMenu->namePanel->isVisible());
                SettingsWindow->Show();
                DataRoom->Show();
                OpenHistory(*CampusScreen);
                const QStringList japanese = ShownWords();
                ASSERT_GT(japanese.size(), 100);
                ASSERT_FALSE(JapaneseIn(japanese).isEmpty());

                ui::SwitchLanguage(Language::English);
                const QStringList english = ShownWords();
                EXPECT_EQ(english.size(), japanese.size());
                EXPECT_EQ(JapaneseIn(english).join("\n"), "");
                EXPECT_EQ(SettingsWindow->languageChoice->itemText(0), "日本語");
                EXPECT_EQ(CampusScreen->travelButtons(2).text(), "Yard");
                EXPECT_EQ(DataRoom->rowNames(1).Caption(), "Ryoko Onuki");
                // Qt's own buttons follow: its Japanese is put away in English.
                const bool qtJapanese = QFile::exists(
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ja.qm");
                EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");

                ui::SwitchLanguage(Language::Japanese);
                const QStringList back = ShownWords();
                ASSERT_EQ(back.size(), japanese.size());
                for (qsizetype i = 0; i < back.size(); ++i) EXPECT_EQ(back[i], japanese[i]);
                if (qtJapanese) {
                    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
                }

                // Lines written in code, rather than in the story tables, are told again too.
                ShowNobodyHere();
                const QString nobody = Line();
                StartWalk(3);
                const QString walking = Line();
                const QString caption = CampusScreen->Caption();
                ui::SwitchLanguage(Language::English);
                EXPECT_EQ(Line(), "I headed for the gym. It's about a 1-minute walk.");
                EXPECT_EQ(CampusScreen->Caption(), "[On the way] -Velmora 3rd STORY-");
                ui::SwitchLanguage(Language::Japanese);
                EXPECT_EQ(Line(), walking);
                EXPECT_EQ(CampusScreen->Caption(), caption);
                ShowNobodyHere();
                ui::SwitchLanguage(Language::English);
                EXPECT_TRUE(Line().startsWith("I got here, but nobody")) << Line();
                ui::SwitchLanguage(Language::Japanese);
                EXPECT_EQ(Line(), nobody);
                for (ui::Form* form :
                     {static_cast<ui::Form*>(&*TitleScreen), static_cast<ui::Form*>(&*StartMenu),
                      static_cast<ui::Form*>(&*SettingsWindow), static_cast<ui::Form*>(&*DataRoom)})
                    form->Hide();
            },
            ByMinute(6))
        .Run(
            "the walk", [] { return GameState.phase != Phase::Walking; }, ByMinute(30));
}

}  // namespace
