// The content check: the story, the data files, the pictures and the music that ship with the
// game hold together. It reads the built run-time folder.
#include <algorithm>
#include <climits>
#include <iostream>

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QPushButton>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStyle>
#include <QTextLayout>

#include "campus/AnswerWindow.h"
#include "campus/CampusScreen.h"
#include "conversation/script.h"
#include "core/GameState.h"
#include "core/encounters.h"
#include "core/places.h"
#include "core/savefile.h"
#include "endings/StaffRoll.h"
#include "frontend/DataRoom.h"
#include "frontend/SettingsWindow.h"
#include "frontend/StartMenu.h"
#include "media/audio.h"
#include "media/midifile.h"
#include "media/scene.h"
#include "story/story.h"
#include "story/text.h"
#include "tests/support/player.h"
#include "ui/language.h"
#include "ui/textroom.h"
#include "ui/twips.h"

namespace {

using story::Q;

// The longest name of one letter repeated that the name entry takes; of ideographs, a full em
// each, the widest.
QString LongestNameOf(QChar letter = QChar(u'高')) {
    QString name;
    while (ui::NameFits(name + letter, LineFont())) name += letter;
    return name;
}

// The share of the control's room the text takes: its height when wrapped, its width on one line.
// (A wrapped line may hang a pixel over, as a closing bracket does, and still be read.)
double ShareOfRoom(const QWidget& control, const QFont& font, const QString& text, bool wrap = true,
                   const QMargins& padding = {}) {
    const QRect room = control.contentsRect() - padding;
    const QRect needed =
        QFontMetrics(font).boundingRect(room, (wrap ? Qt::TextWordWrap : 0) | Qt::AlignLeft, text);
    const double tall = double(needed.height()) / room.height();
    return wrap ? tall : std::max(tall, double(needed.width()) / room.width());
}

// How far into the click prompt's words the rows of `text` on `line` run, in pixels; the prompt
// stands at the line's lower right, so only a row at its height can meet it. At most zero when
// they are clear of each other.
int IntoThePrompt(const QLabel& line, const QLabel& prompt, const QString& text) {
    const QRect room = line.contentsRect();
    QTextLayout layout(text, line.font());
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(wrap);
    const QRect words = prompt.geometry().adjusted(
        prompt.width() - QFontMetrics(prompt.font()).horizontalAdvance(prompt.text()), 0, 0, 0);
    int into = INT_MIN;
    layout.beginLayout();
    qreal y = line.geometry().top() + room.top();
    for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
        row.setLineWidth(room.width());
        const int top = qRound(y), bottom = qRound(y + row.height());
        y += row.height();
        if (bottom <= words.top() || top >= words.bottom()) continue;
        const int end = line.geometry().left() + room.left() + qCeil(row.naturalTextWidth());
        into = std::max(into, end - words.left());
    }
    layout.endLayout();
    return into;
}

// The data files and the save file are CP932: a text that does not come back unchanged from a
// trip through it cannot be stored.
bool SurvivesCp932(const QString& text) {
    QStringEncoder encoder("CP932");
    QStringDecoder decoder("CP932");
    const QString back = decoder.decode(encoder.encode(text));
    return !encoder.hasError() && !decoder.hasError() && back == text;
}

QString WithNames(std::string_view text, const QString& name = LongestNameOf()) {
    return Q(text).replace(Q(story::kFamilyName), name).replace(Q(story::kGivenName), name);
}

// The widest names an English line may have to hold: typed in Latin or in full width.
QStringList LongestNames() {
    return {LongestNameOf(QChar(u'W')), LongestNameOf()};
}

// The codes of the timetable's scenes (ConversationCode, HeroinePictureCode): each heroine's at
// each place, on arrival and waiting.
QStringList OfTheTimetable(QString (*code)(int location, int heroine, bool onArrival)) {
    QStringList codes;
    for (int minute = 0; minute < 30; ++minute)
        for (int location = 1; location <= kLocationCount; ++location)
            if (const int heroine = HeroineAt(minute, location))
                for (bool onArrival : {true, false})
                    codes.append(code(location, heroine, onArrival));
    codes.removeDuplicates();
    return codes;
}

// Every line of prose the screens show in `language`, with where it comes from.
QList<std::pair<QString, std::string_view>> StoryLines(ui::Language language) {
    ui::SetLanguage(language);
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
    for (int h = 0; h <= kCampusHeroines; ++h)  // 0: nobody picked
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
    ui::SetLanguage(ui::Language::Japanese);
    return lines;
}

// Every story text in `language`: the prose of the line label and the rest, from mails to names.
QList<std::pair<QString, std::string_view>> StoryTexts(ui::Language language) {
    QList<std::pair<QString, std::string_view>> texts = StoryLines(language);
    ui::SetLanguage(language);
    auto add = [&](const QString& where, std::string_view text) { texts.append({where, text}); };
    for (int h = 0; h <= kCampusHeroines; ++h) add("hint mail", story::HintMail(h));
    for (auto text :
         {story::FestivalMail(), story::DateMailBeforeName(), story::DateMailAfterName()})
        add("mail", text);
    for (int h = 1; h <= kHeroineCount; ++h) add("name", story::HeroineName(h));
    for (auto text : {story::BestFriendName(), story::AlbumFriendName(), story::TitleMakerLine(),
                      story::StartMenuCaption(), story::AlbumFriendTooltip(),
                      story::DataRoomAnnouncementTitle()})
        add("front end", text);
    for (auto text : story::DataRoomAnnouncementLines()) add("announcement", text);
    for (int credit = 1; credit <= 5; ++credit) add("credit", story::Credit(credit));
    ui::SetLanguage(ui::Language::Japanese);
    return texts;
}

int Count(const QString& text, std::string_view placeholder) {
    return static_cast<int>(text.count(Q(placeholder)));
}

// Letters an English text may use: Latin-1 and the em dash.
bool ReadsAsEnglish(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 0x100 || c == QChar(0x2014); });
}

// That each fits the text line is the fitting test's.
TEST(Content, EveryStoryLineIsOneLineTheSaveFileCanHoldWithTheLongestNames) {
    for (const auto& [where, text] : StoryLines(ui::Language::Japanese)) {
        const QString shown = WithNames(text);
        EXPECT_FALSE(shown.isEmpty()) << where;
        EXPECT_FALSE(shown.contains('{') || shown.contains('\n')) << where << shown;
        EXPECT_TRUE(SurvivesCp932(shown)) << where << shown;
    }
    // Only the girl from another school calls him by his given name, in her epilogue.
    for (int h = 1; h <= kHeroineCount; ++h) {
        bool given = false;
        for (const auto& line : story::Epilogue(h))
            given |= Q(line.text).contains(Q(story::kGivenName));
        EXPECT_EQ(given, h == 8) << h;
    }
}

TEST(Content, EveryJapaneseStoryTextHasItsEnglishCounterpart) {
    const auto japanese = StoryTexts(ui::Language::Japanese);
    const auto english = StoryTexts(ui::Language::English);
    ASSERT_EQ(english.size(), japanese.size());
    int missing = 0;
    for (qsizetype i = 0; i < japanese.size(); ++i) {
        const auto& [where, ja] = japanese[i];
        const QString en = Q(english[i].second);
        ASSERT_EQ(english[i].first, where);
        if (en.isEmpty()) ++missing;
        EXPECT_FALSE(en.isEmpty()) << where << ": " << Q(ja);
        EXPECT_EQ(Count(en, story::kFamilyName), Count(Q(ja), story::kFamilyName)) << where << en;
        EXPECT_EQ(Count(en, story::kGivenName), Count(Q(ja), story::kGivenName)) << where << en;
        EXPECT_TRUE(ReadsAsEnglish(en) && !en.contains('\n')) << where << en;
        // Speech is marked the English way, in balanced straight quotes.
        EXPECT_EQ(en.count('"') % 2, 0) << where << en;
    }
    std::cout << "English story texts: " << english.size() << " checked, " << missing
              << " missing\n";
    // A scene keeps its shape: as many lines, each by the same speaker.
    auto sameScene = [](std::span<const story::ScriptLine> ja,
                        std::span<const story::ScriptLine> en, const QString& scene) {
        ASSERT_EQ(en.size(), ja.size()) << scene;
        for (size_t i = 0; i < ja.size(); ++i)
            EXPECT_TRUE(en[i].speaker == ja[i].speaker) << scene << " line " << i + 1;
    };
    for (int h = 1; h <= kHeroineCount; ++h) {
        for (bool mutual : {true, false})
            sameScene(story::ja::Confession(h, mutual), story::en::Confession(h, mutual),
                      QStringLiteral("confession %1 %2").arg(h).arg(mutual));
        sameScene(story::ja::Epilogue(h), story::en::Epilogue(h),
                  QStringLiteral("epilogue %1").arg(h));
    }
    EXPECT_EQ(story::en::OpeningNarration().size(), story::ja::OpeningNarration().size());
    EXPECT_EQ(story::en::DataRoomAnnouncementLines().size(),
              story::ja::DataRoomAnnouncementLines().size());
    // The data room and the save file go by the Japanese names; the English ones must still
    // tell the eight apart.
    QSet<QString> names;
    for (int h = 1; h <= kHeroineCount; ++h) names.insert(Q(story::en::HeroineName(h)));
    EXPECT_EQ(names.size(), kHeroineCount);
}

// The tightest of the texts laid out on one control.
struct Fit {
    int layouts = 0;
    double tightest = 0;
    QString text;
    const QLabel* prompt = nullptr;  // over the control's lower right while the text waits

    void Check(const QWidget& control, const QString& where, const QString& shown, bool wrap = true,
               const QMargins& padding = {}) {
        const double share = ShareOfRoom(control, control.font(), shown, wrap, padding);
        EXPECT_LE(share, 1.0) << where << " does not fit at scale " << ui::Scale() << ": " << shown;
        if (prompt) {
            EXPECT_LE(IntoThePrompt(static_cast<const QLabel&>(control), *prompt, shown), 0)
                << where << " runs into " << prompt->text() << " at scale " << ui::Scale() << ": "
                << shown;
        }
        ++layouts;
        if (share > tightest) tightest = share, text = shown;
    }
};

// Every text on the control that shows it, in both languages at every scale, with the widest
// names the entry takes, in the face each language is set in. The box never grows: a text that
// does not fit is written again.
TEST(Content, EveryTextFitsItsControlInBothLanguagesAtEveryScale) {
    BeginTestGame();
    const QStringList longestNames = LongestNames();
    QSet<int> responses;  // every player's line of the timetable's conversations
    QList<std::pair<QString, int>> replies;
    for (const QString& code : OfTheTimetable(ConversationCode)) {
        conversation::DataProblem problem;
        const auto candidates = conversation::ReadCandidates(code, problem);
        ASSERT_TRUE(candidates) << code << problem.what;
        for (size_t slot = 1; slot < candidates->size(); ++slot) {
            responses.insert((*candidates)[slot]);
            replies.append({code, (*candidates)[slot]});
        }
    }
    for (const int scale : {1, 2, 3}) {
        ui::SetScale(scale);
        for (const ui::Language language : {ui::Language::Japanese, ui::Language::English}) {
            ui::SwitchLanguage(language);
            // Fetched anew each time: the staff roll below closes the campus.
            const ui::Label& label = *CampusScreen->lineLabel;
            const ui::Label& phone = *CampusScreen->phoneScreen;
            const ui::CommandButton& answer = AnswerWindow->answerButtons(0);
            if (language == ui::Language::English) {
                ASSERT_EQ(QFontInfo(label.font()).family(), ui::kEnglishFace)
                    << "the English face (fonts-open-sans) is not installed";
            }
            Fit line, mail, answers, roll, balloon;
            CampusScreen->promptLabel->SetCaption(
                QCoreApplication::translate("Campus", "クリックしてください"));
            line.prompt = CampusScreen->promptLabel;
            for (const QString& name : longestNames) {
                for (const auto& [where, text] : StoryLines(language))
                    line.Check(label, where, WithNames(text, name));
                ui::SetLanguage(language);
                QStringList mails{Q(story::FestivalMail()), Q(story::DateMailBeforeName()) + name +
                                                                Q(story::DateMailAfterName())};
                for (int h = 0; h <= kCampusHeroines; ++h) mails.append(Q(story::HintMail(h)));
                for (const QString& text : mails) mail.Check(phone, "a mail", text);
                // The answers' left padding is half the font's height, and their frame a few
                // pixels.
                const QMargins padding(answer.font().pixelSize() / 2 + 2, 0, 4, 0);
                conversation::DataProblem problem;
                for (const int response : responses) {
                    const auto said = conversation::ReadPlayerLine(response, problem, language);
                    ASSERT_TRUE(said) << response;
                    answers.Check(answer, QStringLiteral("answer %1").arg(response),
                                  conversation::WithFamilyName(*said, name), false, padding);
                }
                for (const auto& [code, response] : replies) {
                    const auto reply = conversation::ReadReply(code, response, problem, language);
                    ASSERT_TRUE(reply) << code << " " << response << problem.what;
                    line.Check(label, code, conversation::WithFamilyName(reply->text, name));
                }
            }
            // The staff roll as it rolls, each role on its one line above its credits.
            StaffRoll.Unload();
            while (StaffRoll->RollStep() < 20) {  // its last screen, before it closes
                StaffRoll->stepTimer->onTimer();
                roll.Check(*StaffRoll->roleLabel, "a role", StaffRoll->roleLabel->Caption());
                roll.Check(*StaffRoll->creditsLabel, "credits", StaffRoll->creditsLabel->Caption());
            }
            // The friend's balloon, as the menu's entries and the name panel make him speak.
            StartMenu.Unload();
            const ui::Label& says = *StartMenu->balloonLabel;
            const auto click = [&](QWidget* control) {
                balloon.Check(says, "the balloon", says.Caption());
                driver::Click(control);
            };
            click(&StartMenu->entries(1));  // no save yet
            click(&StartMenu->entries(2));  // nobody cleared
            click(&StartMenu->entries(0));
            click(StartMenu->nameOkButton);  // no names
            StartMenu->familyNameBox->SetText(QString(30, QLatin1Char('W')));
            StartMenu->givenNameBox->SetText(QStringLiteral("Zoë"));
            click(StartMenu->nameOkButton);  // too long
            StartMenu->familyNameBox->SetText(QStringLiteral("Yamada"));
            click(StartMenu->nameOkButton);  // not in the save file's letters
            QString problem;
            ASSERT_TRUE(WriteSave(problem)) << problem;
            StartMenu.Unload();
            click(&StartMenu->entries(1));
            balloon.Check(says, "the balloon", says.Caption());  // how to load and save
            StartMenu.Unload();
            DeleteSave();
            const QString& br = GameState.lineBreak;
            for (const auto& [what, fit] : {std::pair{"the line", &line},
                                            {"the phone", &mail},
                                            {"an answer", &answers},
                                            {"the staff roll", &roll},
                                            {"the balloon", &balloon}})
                std::cout << (language == ui::Language::English ? "English" : "Japanese")
                          << " at scale " << scale << ", " << what << ": " << fit->layouts
                          << " layouts, tightest " << qRound(fit->tightest * 100)
                          << "% of its room: "
                          << QString(fit->text).replace(br, " / ").toStdString() << "\n";
        }
    }
    ui::SwitchLanguage(ui::Language::Japanese);
    StaffRoll.Unload();
    EndTestGame();
}

// The words written in code where a box is tight: one line each, at scale 1, in the face
// English is set in.
TEST(Content, TheEnglishCaptionsOfButtonsMenusAndSettingsFitOnOneLineInOpenSans) {
    BeginTestGame();
    ASSERT_EQ(ui::Scale(), 1);
    StartMenu.Get();
    SettingsWindow.Get();
    DataRoom.Get();
    ui::SwitchLanguage(ui::Language::English);
    // A push button's frame takes a few pixels each side; a check box its box and the gap.
    const QMargins buttonFrame(3, 0, 3, 0);
    const QStyle* style = QApplication::style();
    const QMargins checkBox(style->pixelMetric(QStyle::PM_IndicatorWidth) +
                                style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing),
                            0, 0, 0);
    std::vector<std::pair<QWidget*, QMargins>> tight;
    for (int i = 0; i < kLocationCount; ++i)
        tight.emplace_back(&CampusScreen->travelButtons(i), buttonFrame);
    for (ui::Form* form :
         {static_cast<ui::Form*>(&*StartMenu), static_cast<ui::Form*>(&*SettingsWindow),
          static_cast<ui::Form*>(&*DataRoom)})
        for (QWidget* control : form->findChildren<QWidget*>()) {
            if (qobject_cast<QCheckBox*>(control)) tight.emplace_back(control, checkBox);
            if (qobject_cast<QPushButton*>(control)) tight.emplace_back(control, buttonFrame);
        }
    for (int i = 0; i < 3; ++i) tight.emplace_back(&StartMenu->entries(i), QMargins());
    for (QLabel* label : SettingsWindow->findChildren<QLabel*>())
        tight.emplace_back(label, QMargins());
    for (ui::Label* label :
         {StartMenu->familyNameLabel, StartMenu->givenNameLabel, DataRoom->titleLabel,
          DataRoom->listTitleLabel, &DataRoom->markLabels(0), &DataRoom->markLabels(1)})
        tight.emplace_back(label, QMargins());
    double tightest = 0;
    QString tightestText;
    int checked = 0;
    for (const auto& [control, padding] : tight) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(control)) text = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(control)) text = button->text();
        if (text.isEmpty() || text.contains(QLatin1Char('\n'))) continue;
        // The width is what the words decide; a line's height is the face's, whatever it says.
        const QRect room = control->contentsRect() - padding;
        const double share =
            double(QFontMetrics(control->font()).horizontalAdvance(text)) / room.width();
        EXPECT_LE(share, 1.0) << "does not fit on one line: " << text.toStdString();
        if (share > tightest) tightest = share, tightestText = text;
        ++checked;
    }
    EXPECT_GT(checked, 25);
    std::cout << "English captions: " << checked << " controls, tightest " << qRound(tightest * 100)
              << "% of its width: " << tightestText.toStdString() << "\n";
    ui::SwitchLanguage(ui::Language::Japanese);
    EndTestGame();
}

TEST(Content, EveryConversationOfTheTimetableReadsFromTheDataFiles) {
    CopyGameData();
    for (const char* file : {"VelKCode.dat", "VelKaiwa.dat", "VelResp.dat"}) {
        QFile data(file);
        ASSERT_TRUE(data.open(QIODevice::ReadOnly)) << file;
        const QByteArray bytes = data.readAll();
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n')) << file << " ends its lines in CR LF";
        QStringDecoder cp932("CP932");
        cp932.decode(bytes);
        EXPECT_FALSE(cp932.hasError()) << file;
    }
    QSet<QString> fourPleasing;  // the conversations with four or more lines that please her
    const QStringList conversations = OfTheTimetable(ConversationCode);
    for (const QString& code : conversations) {
        conversation::DataProblem problem;
        const auto candidates = conversation::ReadCandidates(code, problem);
        ASSERT_TRUE(candidates) << code << problem.what;
        QList<int> pleasing;  // the strengths of the lines that please her
        for (size_t slot = 1; slot < candidates->size(); ++slot) {
            const int response = (*candidates)[slot];
            const auto reply = conversation::ReadReply(code, response, problem);
            ASSERT_TRUE(reply) << code << " " << response << problem.what;
            if (reply->change >= 3) pleasing.append(reply->change);
        }
        EXPECT_GE(pleasing.size(), 3) << code << " offers lines that please her";
        std::sort(pleasing.begin(), pleasing.end());
        EXPECT_EQ(std::adjacent_find(pleasing.begin(), pleasing.end()), pleasing.end())
            << code << " pleases her with lines of different strength";
        if (pleasing.size() >= 4) fourPleasing.insert(code);
    }
    EXPECT_GE(conversations.size(), 30);
    EXPECT_GT(fourPleasing.size(), 15) << "most of the 30 conversations offer four pleasing lines";
}

TEST(Content, EveryPictureTheGameAsksForLoadsAtItsSize) {
    CopyGameData();
    QStringList scenes{"C300A", "C300B", "C380C", "C380D"};
    for (int location = 1; location <= kLocationCount; ++location)
        scenes.append(LocationPictureCode(location));
    for (int h = 1; h <= kHeroineCount; ++h) scenes.append(ConfessionPictureCode(h));
    scenes += OfTheTimetable(HeroinePictureCode);
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
