// The content check: the story, the data files, the pictures and the music that ship with the
// game hold together. It reads the built run-time folder.
#include <algorithm>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImageReader>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

#include "campus/AnswerWindow.h"
#include "campus/CampusScreen.h"
#include "conversation/script.h"
#include "core/GameState.h"
#include "core/encounters.h"
#include "core/places.h"
#include "core/savefile.h"
#include "media/audio.h"
#include "media/midifile.h"
#include "media/scene.h"
#include "story/story.h"
#include "story/text.h"
#include "tests/support/player.h"

namespace {

using story::Q;

// The longest names the name entry takes.
const QString kLongestFullWidthName(kLongestName, QChar(u'Ｗ'));

// Whether `text` shows whole in a control with the control's own font: all its lines when it is
// wrapped to the control's width, or its one line. (A wrapped line may hang a pixel over, as a
// closing bracket does, and still be read.)
bool ShowsWhole(const QWidget& control, const QString& text, bool wrap = true,
                const QMargins& padding = {}) {
    const QRect room = control.contentsRect() - padding;
    const QRect needed =
        QFontMetrics(control.font())
            .boundingRect(room, (wrap ? Qt::TextWordWrap : 0) | Qt::AlignLeft, text);
    return needed.height() <= room.height() && (wrap || needed.width() <= room.width());
}

// The data files and the save file are CP932: a text that does not come back unchanged from a
// trip through it cannot be stored.
bool SurvivesCp932(const QString& text) {
    QStringEncoder encoder("CP932");
    QStringDecoder decoder("CP932");
    const QString back = decoder.decode(encoder.encode(text));
    return !encoder.hasError() && !decoder.hasError() && back == text;
}

QString WithNames(std::string_view text) {
    return Q(text)
        .replace(Q(story::kFamilyName), kLongestFullWidthName)
        .replace(Q(story::kGivenName), kLongestFullWidthName);
}

// Every line of prose the screens show, with where it comes from.
QList<std::pair<QString, std::string_view>> StoryLines() {
    QList<std::pair<QString, std::string_view>> lines;
    auto add = [&](const QString& where, std::string_view text) { lines.append({where, text}); };
    for (int location = 1; location <= kLocationCount; ++location)
        for (int h = 1; h <= kCampusHeroines; ++h) {
            const auto greeting = story::GreetingAt(location, h);
            if (greeting.onArrival.empty()) continue;
            add(QStringLiteral("greeting %1%2").arg(location).arg(h), greeting.onArrival);
            add(QStringLiteral("greeting %1%2 waiting").arg(location).arg(h),
                greeting.whileWaiting);
        }
    for (auto text : story::OpeningNarration()) add("opening", text);
    for (int h = 1; h <= kCampusHeroines; ++h)
        for (int mail : {1, 2, 4}) {
            add(QStringLiteral("reaction to mail %1").arg(mail),
                story::ReactionsToMail(mail, h).first);
            add(QStringLiteral("reaction to mail %1").arg(mail),
                story::ReactionsToMail(mail, h).second);
        }
    for (auto text : {story::RingNarration(), story::FiveOClockLine(), story::GateClosedNarration(),
                      story::CalledFromBehindNarration(), story::EpilogueCommonLine(),
                      story::AlbumConfirmation()})
        add("narration", text);
    for (int h = 1; h <= kHeroineCount; ++h) {
        for (bool mutual : {true, false})
            for (const auto& line : story::Confession(h, mutual))
                add(QStringLiteral("confession %1").arg(h), line.text);
        for (const auto& line : story::Epilogue(h))
            add(QStringLiteral("epilogue %1").arg(h), line.text);
    }
    for (int photo = 0; photo <= 7; ++photo) add("album hint", story::AlbumHint(photo));
    return lines;
}

TEST(Content, EveryStoryLineFitsTheTextLabelAndTheSaveFileWithTheLongestNames) {
    BeginTestGame();
    for (const auto& [where, text] : StoryLines()) {
        const QString shown = WithNames(text);
        EXPECT_FALSE(shown.isEmpty()) << where;
        EXPECT_FALSE(shown.contains('{') || shown.contains('\n')) << where << shown;
        EXPECT_TRUE(ShowsWhole(*CampusScreen->lineLabel, shown)) << where << shown;
        EXPECT_TRUE(SurvivesCp932(shown)) << where << shown;
    }
    EndTestGame();
    // Only the girl from another school calls him by his given name, in her epilogue.
    for (int h = 1; h <= kHeroineCount; ++h) {
        bool given = false;
        for (const auto& line : story::Epilogue(h))
            given |= Q(line.text).contains(Q(story::kGivenName));
        EXPECT_EQ(given, h == 8) << h;
    }
}

TEST(Content, EveryMailFitsThePhoneScreenWithTheLongestName) {
    BeginTestGame();
    const ui::Label& phone = *CampusScreen->phoneScreen;
    QStringList mails{
        Q(story::FestivalMail()),
        Q(story::DateMailBeforeName()) + kLongestFullWidthName + Q(story::DateMailAfterName())};
    for (int h = 1; h <= kCampusHeroines; ++h) mails.append(Q(story::HintMail(h)));
    for (const QString& mail : mails) EXPECT_TRUE(ShowsWhole(phone, mail)) << mail;
    EndTestGame();
}

TEST(Content, EveryConversationOfTheTimetableReadsFromTheDataFilesAndFitsWithTheLongestName) {
    BeginTestGame();
    const ui::CommandButton& answer = AnswerWindow->answerButtons(0);
    // The answers' left padding is half the font's height, and their frame a few pixels.
    const QMargins answerPadding(answer.font().pixelSize() / 2 + 2, 0, 4, 0);
    for (const char* file : {"VelKCode.dat", "VelKaiwa.dat", "VelResp.dat"}) {
        QFile data(file);
        ASSERT_TRUE(data.open(QIODevice::ReadOnly)) << file;
        const QByteArray bytes = data.readAll();
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n')) << file << " ends its lines in CR LF";
        QStringDecoder cp932("CP932");
        cp932.decode(bytes);
        EXPECT_FALSE(cp932.hasError()) << file;
    }
    int conversations = 0;
    QSet<QString> fourPleasing;  // the conversations with four or more lines that please her
    for (int minute = 0; minute < 30; ++minute)
        for (int location = 1; location <= kLocationCount; ++location) {
            const int heroine = HeroineAt(minute, location);
            if (heroine == 0) continue;
            for (bool onArrival : {true, false}) {
                const QString code = ConversationCode(location, heroine, onArrival);
                conversation::DataProblem problem;
                const auto candidates = conversation::ReadCandidates(code, problem);
                ASSERT_TRUE(candidates) << code << problem.what;
                QList<int> pleasing;  // the strengths of the lines that please her
                for (size_t slot = 1; slot < candidates->size(); ++slot) {
                    const int response = (*candidates)[slot];
                    const auto line = conversation::ReadPlayerLine(response, problem);
                    ASSERT_TRUE(line) << response;
                    const QString said = conversation::WithFamilyName(*line, kLongestFullWidthName);
                    EXPECT_TRUE(ShowsWhole(answer, said, false, answerPadding)) << said;
                    const auto reply = conversation::ReadReply(code, response, problem);
                    ASSERT_TRUE(reply) << code << " " << response << problem.what;
                    const QString heard =
                        conversation::WithFamilyName(reply->text, kLongestFullWidthName);
                    EXPECT_TRUE(ShowsWhole(*CampusScreen->lineLabel, heard)) << heard;
                    if (reply->change >= 3) pleasing.append(reply->change);
                }
                EXPECT_GE(pleasing.size(), 3) << code << " offers lines that please her";
                std::sort(pleasing.begin(), pleasing.end());
                EXPECT_EQ(std::adjacent_find(pleasing.begin(), pleasing.end()), pleasing.end())
                    << code << " pleases her with lines of different strength";
                if (pleasing.size() >= 4) fourPleasing.insert(code);
                ++conversations;
            }
        }
    EXPECT_GE(conversations, 30);
    EXPECT_GT(fourPleasing.size(), 15) << "most of the 30 conversations offer four pleasing lines";
    EndTestGame();
}

TEST(Content, EveryPictureTheGameAsksForLoadsAtItsSize) {
    CopyGameData();
    QStringList scenes{"C300A", "C300B", "C380C", "C380D"};
    for (int location = 1; location <= kLocationCount; ++location)
        scenes.append(LocationPictureCode(location));
    for (int h = 1; h <= kHeroineCount; ++h) scenes.append(ConfessionPictureCode(h));
    for (int minute = 0; minute < 30; ++minute)
        for (int location = 1; location <= kLocationCount; ++location)
            if (const int h = HeroineAt(minute, location))
                for (bool onArrival : {true, false})
                    scenes.append(HeroinePictureCode(location, h, onArrival));
    scenes.removeDuplicates();
    for (const QString& code : scenes) {
        QImageReader picture(ScenePictureFile(code));
        EXPECT_EQ(picture.size(), QSize(300, 200)) << code << picture.errorString();
    }
    for (const char* screen : {"Title.png", "Album.png", "Friend.png", "Icon.png", "Walk1.png",
                               "Walk2.png", "MarkConfession.png", "MarkMutual.png"})
        EXPECT_TRUE(QImageReader(screen).canRead()) << screen;
}

TEST(Content, EveryPieceAndSoundIsAudible) {
    CopyGameData();
    const QStringList pieces = QDir().entryList({"*.mid"});
    EXPECT_EQ(pieces.size(), 11);
    for (const QString& piece : pieces) {
        // A few seconds tell that it sounds; its length comes from the file itself.
        const media::RenderedPiece heard = media::RenderMidiFile(piece, 4);
        EXPECT_GT(heard.peak, 0.02f) << piece;
        EXPECT_GT(media::MidiLengthMs(piece), 30000) << piece;
    }
    for (const char* sound : {"KVDEMO.WAV", "Keitai3.WAV"})
        EXPECT_GT(media::WavLengthMs(sound), 500) << sound;
}

}  // namespace
