// Every story text in one list per language, in the same order, so that a text shown in one
// language finds its place in the other. The tables mirror each other entry for entry.

#include "story/counterpart.h"

#include <vector>

#include "story/story.h"
#include "story/text.h"

namespace story {

namespace {

constexpr int kHeroines = 8;
constexpr int kCampusHeroines = 6;
constexpr int kLocations = 7;
constexpr int kAlbumPhotos = 8;
constexpr int kCredits = 5;

std::vector<QString> Collect() {
    std::vector<QString> texts;
    const auto add = [&](std::string_view text) { texts.push_back(Q(text)); };
    for (int h = 1; h <= kHeroines; ++h) add(HeroineName(h));
    add(BestFriendName());
    add(AlbumFriendName());
    for (int location = 1; location <= kLocations; ++location)
        for (int h = 1; h <= kCampusHeroines; ++h) {
            const Greeting greeting = GreetingAt(location, h);
            add(greeting.onArrival);
            add(greeting.whileWaiting);
        }
    for (const auto text : OpeningNarration()) add(text);
    add(RingNarration());
    // 0: the mails of a game in which nobody was picked.
    for (int h = 0; h <= kCampusHeroines; ++h) add(HintMail(h));
    add(FestivalMail());
    // The date mail is shown whole, with his family name between its two halves.
    texts.push_back(Q(DateMailBeforeName()) + Q(kFamilyName) + Q(DateMailAfterName()));
    for (int h = 0; h <= kCampusHeroines; ++h)
        for (const int mail : {1, 2, 4}) {
            const MailReactions reactions = ReactionsToMail(mail, h);
            add(reactions.first);
            add(reactions.second);
        }
    add(FiveOClockLine());
    add(GateClosedNarration());
    add(CalledFromBehindNarration());
    for (int h = 1; h <= kHeroines; ++h) {
        for (const bool mutual : {true, false})
            for (const ScriptLine& line : Confession(h, mutual)) add(line.text);
        for (const ScriptLine& line : Epilogue(h)) add(line.text);
    }
    add(EpilogueCommonLine());
    for (int credit = 1; credit <= kCredits; ++credit) add(Credit(credit));
    for (int photo = 0; photo < kAlbumPhotos; ++photo) add(AlbumHint(photo));
    add(AlbumConfirmation());
    add(TitleMakerLine());
    add(StartMenuCaption());
    add(AlbumFriendTooltip());
    add(DataRoomAnnouncementTitle());
    for (const auto text : DataRoomAnnouncementLines()) add(text);
    return texts;
}

const std::vector<QString>& Texts(ui::Language language) {
    static const auto inLanguage = [](ui::Language wanted) {
        // The tables answer in the language of the moment; it is set only while they are read.
        const ui::Language was = ui::CurrentLanguage();
        ui::SetTablesLanguage(wanted);
        std::vector<QString> texts = Collect();
        ui::SetTablesLanguage(was);
        return texts;
    };
    static const std::vector<QString> japanese = inLanguage(ui::Language::Japanese);
    static const std::vector<QString> english = inLanguage(ui::Language::English);
    return language == ui::Language::English ? english : japanese;
}

QString Filled(QString text, const QString& familyName, const QString& givenName) {
    return text.replace(Q(kFamilyName), familyName).replace(Q(kGivenName), givenName);
}

}  // namespace

std::optional<QString> Counterpart(const QString& shown, ui::Language to, const QString& familyName,
                                   const QString& givenName) {
    if (shown.isEmpty()) return std::nullopt;
    const std::vector<QString>& target = Texts(to);
    for (const ui::Language from : {ui::Language::Japanese, ui::Language::English}) {
        if (from == to) continue;
        const std::vector<QString>& source = Texts(from);
        for (size_t i = 0; i < source.size() && i < target.size(); ++i)
            if (!source[i].isEmpty() && Filled(source[i], familyName, givenName) == shown)
                return Filled(target[i], familyName, givenName);
    }
    return std::nullopt;
}

}  // namespace story
