// Closing time at the school gate in English: the two lines before the call, and the fourteen
// confessions, line for line with the Japanese.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "story/story.h"

namespace story::en {
namespace {

constexpr Speaker kHe = Speaker::Narration;
constexpr Speaker kShe = Speaker::Heroine;

// His reaction opens every script; then the word goes back and forth, her first.
template <std::size_t N>
constexpr bool TakesTurns(const std::array<ScriptLine, N>& script) {
    for (std::size_t i = 0; i < N; ++i) {
        if (script[i].speaker != (i % 2 == 0 ? kHe : kShe)) return false;
    }
    return true;
}

// clang-format off
constexpr std::string_view kGateClosed = "Five o'clock. The school gate swung shut with a heavy clang. ...Time's up. My high school life was over, and I never did get a girlfriend.";
constexpr std::string_view kCalledFromBehind = "I turned my back on the closed gate and started to trudge away. That was when I heard someone behind me, calling out to me.";

constexpr std::array<ScriptLine, 20> kKeikoMutual{{
    {kHe, "I turned around, and there she stood—Kirishima. \"K-Kirishima?! Wh-what are you doing here...?\""},
    {kShe, "\"...Thank goodness. You had not gone home yet, {family}. I have been searching the whole building for you.\""},
    {kHe, "\"You were... looking for me? You, Kirishima?\""},
    {kShe, "\"Yes. I told myself it was my last round of the building as council president... but that was only an excuse. The truth is, I wanted to see you.\""},
    {kHe, "(Kirishima wanted to see me...? No. No way...)"},
    {kShe, "\"I was glad we talked today. Hardly anyone speaks to me anymore without seeing 'the President' first.\""},
    {kHe, "\"Come on... I just wanted to talk to you, that's all...\""},
    {kShe, "\"That is exactly why it made me glad. I think I spent three years holding my breath. With you, somehow, I could breathe.\""},
    {kHe, "Kirishima clasped her hands tightly in front of her chest. Maybe it was the evening sun, but her cheeks looked a little red."},
    {kShe, "\"So... before we graduate, there is something I must tell you. ...I am in love with you.\""},
    {kHe, "My mind went blank. Ever since I opened the yearbook, the one I'd been searching for was—her."},
    {kShe, "\"...I-I'm sorry. This must be terribly sudden for you. You need not answer now—\""},
    {kHe, "\"Wait! ...I've been looking for you all day too, Kirishima. I had to see you, one last time.\""},
    {kShe, "\"What...? You were looking for me too, {family}?\""},
    {kHe, "\"Yeah. I love you too, Kirishima. I just couldn't say it, not in three whole years.\""},
    {kShe, "\"...It cannot be. On the same day, feeling the same way, we were searching for each other?\""},
    {kHe, "\"Ha ha... looks like it. We sure took the long way around.\""},
    {kShe, "\"We truly did. ...But we made it in time. The gate, admittedly, did not.\""},
    {kHe, "We looked at each other and laughed quietly. Her smile in the sunset was the softest I had ever seen on her."},
    {kShe, "\"From now on, not as council president... simply as myself. I look forward to it very much.\""},
}};
static_assert(TakesTurns(kKeikoMutual));

constexpr std::array<ScriptLine, 18> kKeikoConfession{{
    {kHe, "I turned around and caught my breath. There, with the evening sun behind her, stood Kirishima. \"K-Kirishima...?\""},
    {kShe, "\"Forgive me for stopping you, {family}. Might I have a moment of your time?\""},
    {kHe, "\"Uh, y-yeah... of course. But what would the former council president want with a guy like me...?\""},
    {kShe, "\"Please forget the 'former council president' for now. Today I came simply as a girl.\""},
    {kHe, "(Simply as a girl...?)"},
    {kShe, "\"The night before the festival in our first year, someone quietly left a can of tea on my desk while I worked late. Do you remember?\""},
    {kHe, "\"Huh... wait, you saw that...?\""},
    {kShe, "\"You left without a word, without even giving your name. Ever since, my eyes have kept following you.\""},
    {kHe, "I never knew. Kirishima, of all people, had been watching me for three whole years...?"},
    {kShe, "\"I hid behind my council work and never said a thing. ...But today is the last day. So I will be brave.\""},
    {kHe, "Kirishima straightened up and looked right at me. It was the same clear gaze I'd seen on the stage at every assembly."},
    {kShe, "\"I am in love with you. ...I always have been.\""},
    {kHe, "Something deep in my chest grew warm. No one had ever cared for me so plainly before."},
    {kShe, "\"{family}... may I hear your answer?\""},
    {kHe, "\"...Thank you, Kirishima. I'm really happy. If you'll have me... I'd like that. A lot.\""},
    {kShe, "\"...! R-really? Thank goodness... Am I smiling properly right now?\""},
    {kHe, "That smile was so much sweeter, so much more like a girl's, than any smile I'd seen from her on the stage."},
    {kShe, "\"That was more nerve-racking than any council meeting. From now on, please let me walk beside you.\""},
}};
static_assert(TakesTurns(kKeikoConfession));

constexpr std::array<ScriptLine, 16> kKyokoMutual{{
    {kHe, "I turned around to find Morikawa, out of breath. \"M-Morikawa?! What's wrong? Why were you running like that?\""},
    {kShe, "\"Huff, huff... Phew, you're still here! I've been looking all over school for you, {family}!\""},
    {kHe, "\"Looking... for me? You were?\""},
    {kShe, "\"Uh-huh. I mean, we graduate today, right? Today's the last day I'll ever see you at school.\""},
    {kHe, "\"But we can see each other anytime at the diner, can't we?\""},
    {kShe, "\"That's not the same! At the diner I'm the waitress and you're a customer, {family}. I wanted to really talk to you.\""},
    {kHe, "\"Really talk... you mean...\""},
    {kShe, "\"Hamburger steak set, extra rice. I watched you so long, I knew your order before you said it.\""},
    {kHe, "I couldn't speak. The real reason I kept going to that diner was never the hamburger steak."},
    {kShe, "\"Listen, {family}. I... I like you. Not as a customer. As a boy.\""},
    {kHe, "\"...Same here. I kept going to the diner to see you, Morikawa. I've been looking for you all day, too.\""},
    {kShe, "\"Huh... r-really? ...No way. What do I do? I'm so happy I might cry.\""},
    {kHe, "\"Ha, don't cry. ...So I guess this means we feel the same way?\""},
    {kShe, "\"Yeah! ...Hehe, {family}, your face is bright red, y'know?\""},
    {kHe, "\"L-look who's talking, Morikawa.\""},
    {kShe, "\"Hehe... Okay, come to the diner tomorrow too. This time I won't be waiting as the waitress. I'll be waiting as your girlfriend.\""},
}};
static_assert(TakesTurns(kKyokoMutual));

constexpr std::array<ScriptLine, 16> kKyokoConfession{{
    {kHe, "I turned at the familiar voice. Morikawa was giving me a little wave. \"Morikawa? What are you doing out here?\""},
    {kShe, "\"Hehe, found you at last. {family}, got a minute?\""},
    {kHe, "\"S-sure. Of course.\""},
    {kShe, "\"So, today's our last day at school, right? There's something I really have to tell you.\""},
    {kHe, "Morikawa, always laughing at the diner, was fidgeting with the hem of her uniform for some reason."},
    {kShe, "\"On days you came to the diner, I always stretched my shift a little. ...You never noticed, did you?\""},
    {kHe, "\"Huh... you did? I had no idea.\""},
    {kShe, "\"Figures. You always had your nose in the menu. ...But I loved how you said 'Thanks, that was great' on your way out.\""},
    {kHe, "To think she'd held on to a little thing I said without even thinking."},
    {kShe, "\"I like you. ...Hehe, I said it. Will you tell me your answer?\""},
    {kHe, "I was stunned. But something warm welled up from deep inside me. \"...Thank you. I'm really happy.\""},
    {kShe, "\"Really? ...So, um... from now on, can I stop calling you my regular and call you my boyfriend?\""},
    {kHe, "\"Yeah. ...I'd like that, Morikawa.\""},
    {kShe, "\"Yay! ...Oh no, I can't stop grinning. How am I supposed to work at the diner tomorrow?\""},
    {kHe, "We both burst out laughing. In front of the gate in the sunset, Morikawa's laugh rang out loud and clear."},
    {kShe, "\"Maybe I'll take tomorrow's shift off. ...I mean, it's our first date, right?\""},
}};
static_assert(TakesTurns(kKyokoConfession));

constexpr std::array<ScriptLine, 16> kMegumiMutual{{
    {kHe, "I turned around, and the first things I saw were fluttering ribbons and a star wand. \"S-Saotome?! You ran here dressed like that?\""},
    {kShe, "\"A magical girl always runs full tilt! ...Just kidding. Phew, I made it. I was looking for you, {family}, y'know?\""},
    {kHe, "\"Looking... for me?\""},
    {kShe, "\"Yep. Hey, you know how 'Magical Angel Luminous Heart' ends? On graduation day, she gives up transforming to confess to the boy she loves.\""},
    {kHe, "\"Uh, no, I never watched it...\""},
    {kShe, "\"Figured! But that's okay! Today, just today, I decided to say it in my own words, not in lines from an anime.\""},
    {kHe, "Saotome squeezed the star wand tight. All her usual bounce had gone quiet, as if it had never been there."},
    {kShe, "\"I like you. When I was in costume, you were the only one who ever talked to me like a normal person.\""},
    {kHe, "Ever since I saw her photo in the yearbook, she was the one I wanted to see. \"...Me too. I've been looking for you all day, Saotome.\""},
    {kShe, "\"...Huh? WHAT?! We both like each other?! No way, so I wasn't the only one whose love flag went up?!\""},
    {kHe, "\"Love flag... well, I guess that's one way to put it.\""},
    {kShe, "\"Amazing, this is amazing! It's a bigger miracle than any anime! ...Huh? Why am I crying? I'm so happy...\""},
    {kHe, "Saotome rubbed her eyes hard with her costume sleeve. She shone brighter than any anime heroine ever could."},
    {kShe, "\"Hey, will you stay my number one fan? ...No, wait. Not my fan. My boyfriend.\""},
    {kHe, "\"Yeah. Count me in, Saotome.\""},
    {kShe, "\"Hehe, the contract is sealed! ...Don't worry, this spell never wears off. Not ever!\""},
}};
static_assert(TakesTurns(kMegumiMutual));

constexpr std::array<ScriptLine, 17> kMegumiConfession{{
    {kHe, "I turned around to find pink frills and a star wand thrust right in my face. \"Whoa?! S-Saotome...?\""},
    {kShe, "\"Ta-da! Magical girl, here to save the day! ...Hehe, did I surprise you? I'm so glad you haven't gone home yet, {family}!\""},
    {kHe, "\"You sure did. ...So what's up?\""},
    {kShe, "\"Well... see, today I came to cast a spell.\""},
    {kHe, "\"A spell?\""},
    {kShe, "\"Yup. A secret spell that only works on graduation day. The success rate is... probably super low, though.\""},
    {kHe, "Her usual bubbly voice was trembling a little. So was the hand that gripped the wand."},
    {kShe, "\"...I like you! Ever since our second-year festival, when you were the one who didn't laugh at my cosplay, I've liked you!\""},
    {kHe, "For a moment my mind went blank. Saotome... liked me? The Saotome I thought only ever talked about anime?"},
    {kShe, "\"Ah, ahaha... I said it. Real life doesn't come with background music like anime does. Awkward!\""},
    {kHe, "I was stunned. But my chest slowly grew warm. It was the first time in my life anyone had felt this way about me."},
    {kShe, "\"...So, will you answer me? If it's a no, it's a no. I'll bounce back before the next transformation scene.\""},
    {kHe, "\"How could it be a no? ...Thank you. I'd love to be with you.\""},
    {kShe, "\"...R-really? Yes... YES! The spell worked!\""},
    {kHe, "Saotome thrust her wand high and spun around once. Her frilly skirt flared out in the evening sun."},
    {kShe, "\"Hehe, this is the best final episode in the history of me. ...No, that's wrong, isn't it? It's episode one.\""},
    {kHe, "\"Episode one, huh...\" Laughing along with her, I really did feel as if I'd been put under a spell."},
}};
static_assert(TakesTurns(kMegumiConfession));

constexpr std::array<ScriptLine, 15> kMasamiMutual{{
    {kHe, "I turned around, and there in the evening sun was Shiraishi, a small bouquet held to her chest. \"Shiraishi...! You're still here.\""},
    {kShe, "\"Yes. There's something I wanted to give you... I took a few flowers from the bouquet the younger students gave me.\""},
    {kHe, "\"Flowers... for me?\""},
    {kShe, "\"Mm. Sweet peas. In the language of flowers, they mean 'new beginnings'... and 'tender memories'.\""},
    {kHe, "When I took the little bunch she held out, it gave off a faint, sweet scent."},
    {kShe, "\"When I read, I always think... the words we never said stay in our hearts the longest.\""},
    {kHe, "\"The words we never said...\""},
    {kShe, "\"So I'm going to say mine. ...I love you. I have for a long time.\""},
    {kHe, "It felt like time had stopped. Since I opened the yearbook, she was the one I'd been looking for. \"...Me too. I love you, Shiraishi.\""},
    {kShe, "\"...Really? Oh... what do I do? In a story, this is where the chapter would end.\""},
    {kHe, "\"Then... will you read the next chapter with me?\""},
    {kShe, "\"Yes. I'd love to. ...I think it will be a lovelier story than any book I've ever read.\""},
    {kHe, "Shiraishi smiled like a flower coming into bloom. I knew I'd remember that smile for the rest of my life."},
    {kShe, "\"Shall we walk home together? ...Slowly, all the way to the station.\""},
    {kHe, "\"Yeah, let's go.\" We turned our backs on the closed gate and set off side by side down the sunset road."},
}};
static_assert(TakesTurns(kMasamiMutual));

constexpr std::array<ScriptLine, 16> kMasamiConfession{{
    {kHe, "\"Huh... Shiraishi?\" I turned around, and it really was Shiraishi. I never dreamed she would be the one to call out to me."},
    {kShe, "\"I'm sorry for calling out to you so suddenly. ...Um, may I talk with you, just for a little while?\""},
    {kHe, "\"Sure, of course.\""},
    {kShe, "\"In the autumn of our second year, you returned a book to the library. A bookmark was still inside... do you remember?\""},
    {kHe, "\"A bookmark...? Oh, yeah. I figured I'd lost it somewhere.\""},
    {kShe, "\"I kept meaning to give it back, and never did. ...No. Maybe the truth is, I didn't want to.\""},
    {kHe, "From the ribbon of her bouquet, Shiraishi drew out a faded bookmark. My name was on the corner, in my awful handwriting."},
    {kShe, "\"After that, I secretly read the books you borrowed, too. I wondered what you thought on the same pages.\""},
    {kHe, "I never knew. In a quiet corner of the library, someone had been watching me like that."},
    {kShe, "\"I love you. ...When I thought that after graduation we would never read the same books again, I couldn't keep it inside.\""},
    {kHe, "My heart filled with surprise, and with a warmth even bigger than that. \"...Thank you, Shiraishi. I'm really happy.\""},
    {kShe, "\"...Really? I was afraid I would only trouble you.\""},
    {kHe, "\"You're not troubling me at all. ...If it's all right with you, I want to keep reading the same books as you.\""},
    {kShe, "\"Yes...! Then I'll hold on to this bookmark a little longer.\""},
    {kHe, "Shiraishi slipped the bookmark back into the ribbon and held the bouquet to her chest. Her cheeks were redder than the sunset."},
    {kShe, "\"You choose the next book. ...I'll be looking forward to it.\""},
}};
static_assert(TakesTurns(kMasamiConfession));

constexpr std::array<ScriptLine, 18> kAkinaMutual{{
    {kHe, "I turned to find a girl with her hat pulled low. She quietly slipped off her sunglasses, and it was—\"F-Fujisaki?!\""},
    {kShe, "\"Shhh! Not so loud. ...My manager is waiting in the car right over there.\""},
    {kHe, "\"S-sorry. But why are you...\""},
    {kShe, "\"I begged for five minutes and snuck away. ...Because I wanted to see you.\""},
    {kHe, "\"To see me...?\""},
    {kShe, "\"Yeah. You were the only one who talked to me as a classmate, not as 'Akina Fujisaki' from TV.\""},
    {kHe, "\"Come on... I just talked to you like normal, that's all.\""},
    {kShe, "\"That 'normal' made me so happy. With work all the time, I was always on my own at school.\""},
    {kHe, "The smile that always shone on the TV screen looked a little lonely now."},
    {kShe, "\"So, one last thing. Let me say it in my own words, not an idol's. ...I love you.\""},
    {kHe, "Since I opened the yearbook, Fujisaki was the one I'd wanted to see. \"...I love you too, Fujisaki.\""},
    {kShe, "\"...What? Really? Not as a fan?\""},
    {kHe, "\"Not as a fan. I've liked you as a girl for a long time. I've been looking for you all day.\""},
    {kShe, "\"No way... What do I do? When someone says a line that's not in the script, I don't know what face to make.\""},
    {kHe, "Fujisaki looked up at me, half laughing, half crying. It was her real smile, one I'd never once seen on TV."},
    {kShe, "\"My agency has a no-dating rule, you know. ...Hehe, but if we keep it a secret, it's fine, right?\""},
    {kHe, "\"Yeah. Just between the two of us.\""},
    {kShe, "\"Promise? ...Oh, my manager's calling me. I'll call you tonight. I mean it, I really, really will!\""},
}};
static_assert(TakesTurns(kAkinaMutual));

constexpr std::array<ScriptLine, 14> kAkinaConfession{{
    {kHe, "\"F-Fujisaki...?!\" I rubbed my eyes. The Fujisaki everybody knows from TV was standing right in front of me."},
    {kShe, "\"Hehe, did I surprise you? I begged my manager for just ten more minutes.\""},
    {kHe, "\"Ten minutes... but why come all the way to find me?\""},
    {kShe, "\"Second-year winter, when I missed school for a location shoot, someone slipped class notes into my desk... That was you, wasn't it?\""},
    {kHe, "\"Huh... oh, that, um, well...\""},
    {kShe, "\"I knew it. You didn't even write your name. Do you know how hard it was to track you down?\""},
    {kHe, "Fujisaki smiled mischievously. But for some reason, her eyes were a little wet."},
    {kShe, "\"...Hey, {family}. On TV I'm 'everybody's idol'. But today, just today, I want to be your girl and no one else's.\""},
    {kHe, "\"Fujisaki...\""},
    {kShe, "\"I love you. With my work, I'd given up on ever having a normal romance. But I couldn't give up on you.\""},
    {kHe, "Fujisaki... and me? I couldn't believe it. But her trembling voice told me it was true. \"...Thank you. If you'll have me.\""},
    {kShe, "\"...! Really? Hehe, my face right now is such a mess, I could never show it to a camera.\""},
    {kHe, "Beyond the gate, a car horn gave a short toot. Her manager's signal, no doubt."},
    {kShe, "\"I have to go. ...But next time, I won't come as Akina Fujisaki the idol. I'll come as your girlfriend.\""},
}};
static_assert(TakesTurns(kAkinaConfession));

constexpr std::array<ScriptLine, 15> kRyokoMutual{{
    {kHe, "I turned around. Onuki was gripping the strap of the racket case on her back, breathing hard. \"O-Onuki?!\""},
    {kShe, "\"Huff, huff... Thank goodness, you're still here! I ran all over the school. My legs are done for.\""},
    {kHe, "\"Ran all over... were you looking for someone?\""},
    {kShe, "\"What kind of half-asleep question is that? For you, obviously!\""},
    {kHe, "\"M-me?!\""},
    {kShe, "\"Yeah. I'm no good at this stuff, so I'll just hit it straight down the line, I'm telling you. ...I like you.\""},
    {kHe, "My heart leapt. Since I opened the yearbook, the one I'd been searching for was—the girl right in front of me."},
    {kShe, "\"...S-say something. If you just stand there, my face is gonna catch fire.\""},
    {kHe, "\"S-sorry! ...I like you too, Onuki. I've been looking for you all day.\""},
    {kShe, "\"...Huh? R-really? You were looking for me too?\""},
    {kHe, "\"Yeah. I guess we were running laps around the school in opposite directions.\""},
    {kShe, "\"What the heck, we're a couple of dummies! ...Ahaha, but I'm glad. Real glad...\""},
    {kHe, "Laughing, Onuki swiped the tears from her eyes with the back of her hand. Her smile was brighter than I'd ever seen it on the court."},
    {kShe, "\"Okay, decided! This Sunday, you and me are playing tennis. I'll teach you from scratch, so brace yourself. Reckon you can keep up?\""},
    {kHe, "\"...Go easy on me, okay?\" I laughed, and Onuki's palm landed on my back with a good, loud smack."},
}};
static_assert(TakesTurns(kRyokoMutual));

constexpr std::array<ScriptLine, 17> kRyokoConfession{{
    {kHe, "I turned around to see Onuki in her track suit, her racket case on her back. \"Onuki? Isn't club practice over?\""},
    {kShe, "\"This isn't about the club. ...I've got a tad of business with you, that's all.\""},
    {kHe, "\"With me?\""},
    {kShe, "\"Yeah. ...Argh, geez! Now that it's happening, I don't know what to say. I'm seriously hopeless at this stuff.\""},
    {kHe, "Onuki, who was always so brisk and upfront, was actually kicking at the pebbles by her feet."},
    {kShe, "\"Listen, back in first year, everyone laughed at how I talk, right? You were the only one who said, 'That's a nice way of talking.'\""},
    {kHe, "\"...Did I say that?\""},
    {kShe, "\"You did! I remember it clear as day. And mind you, after that I quit hiding how I talk.\""},
    {kHe, "A throwaway line of mine, and Onuki had treasured it all this time."},
    {kShe, "\"So... um, I like you. I reckon I always have. ...Sorry it's such a clumsy confession.\""},
    {kHe, "I was too stunned to speak. Her feelings flew straight into the center of my chest, like one of her serves."},
    {kShe, "\"...If you don't say something, I'm gonna run off right now, I'm telling you.\""},
    {kHe, "\"Don't run. ...Thank you, Onuki. I'm really happy. I'd love to go out with you.\""},
    {kShe, "\"R-really?! ...Oh, good deal! My hands are shaking worse than at any match.\""},
    {kHe, "Onuki held up her shaking hands and laughed, embarrassed. Her smile was catching, and I found myself smiling too."},
    {kShe, "\"Okay, let's walk home together. ...I'll walk you all the way to your door!\""},
    {kHe, "\"Isn't that supposed to be the other way around?\" I laughed, but Onuki just grabbed my hand and pulled me along."},
}};
static_assert(TakesTurns(kRyokoConfession));

constexpr std::array<ScriptLine, 22> kKazumi{{
    {kHe, "\"...Senpai?\" I turned to find a petite girl clasping her hands in front of her chest. Her ribbon color... a first-year."},
    {kShe, "\"U-um! I'm sorry to bother you out of nowhere! I'm Kazumi Mizuno, Class 1-C!\""},
    {kHe, "\"M-Mizuno...? Um, did you need something from me...?\""},
    {kShe, "\"Yes! The truth is, I'm the president of your fan club, Senpai!\""},
    {kHe, "\"...Fan club? Mine?\" Was this some kind of joke? There was no way I had a fan club."},
    {kShe, "\"Ah, you don't believe me, do you?! It really exists! There are only three members, counting me... but it's a secret society!\""},
    {kHe, "\"A s-secret society...\""},
    {kShe, "\"In my last year of junior high, I saw the computer club's exhibit at this school's festival. Nobody else came, but you explained it all so happily!\""},
    {kHe, "Now that she mentioned it... in that empty exhibit room, one junior high kid had listened to me more eagerly than anyone."},
    {kShe, "\"That's when I decided to come to this school! A school with you in it, Senpai, just had to be fun!\""},
    {kHe, "\"You picked your school... because of me?\""},
    {kShe, "\"Not because of you—thanks to you! Since I started here, I've kept a secret observation diary on you every single day!\""},
    {kHe, "\"An ob-observation diary...\" It was a little scary, but looking at her earnest face, I somehow didn't mind."},
    {kShe, "\"But you're graduating today, Senpai... So I came to do my last duty as fan club president.\""},
    {kHe, "\"Your last... duty?\""},
    {kShe, "\"Yes. ...Not as the president, but as Kazumi Mizuno, I'll say it. I love you, Senpai!\""},
    {kHe, "Her honest words went straight to my heart. I never knew there was a girl who cared about me this much."},
    {kShe, "\"Y-you don't have to answer! A fan's job is to watch over you! Just saying it is enough for me...\""},
    {kHe, "\"Wait. ...Thank you, Mizuno. I'm really happy. So please, let me give you a proper answer.\""},
    {kShe, "\"S-Senpai...?\""},
    {kHe, "\"So... not as a fan, but, um, as my girlfriend. Will you go out with me?\""},
    {kShe, "\"...Y-yes! Thank you so much! Wow... what do I even tell the other members?!\""},
}};
static_assert(TakesTurns(kKazumi));

constexpr std::array<ScriptLine, 18> kToshie{{
    {kHe, "I turned to see my childhood friend in another school's uniform, grinning mischievously. \"T-Toshie?! What are you doing here?\""},
    {kShe, "\"Hehe, surprise! Our school had graduation today too. ...Congrats, to both of us.\""},
    {kHe, "\"Yeah, congratulations. ...Wait, why'd you call me by my last name? I didn't know who it was.\""},
    {kShe, "\"Well, while I was waiting at the gate, everyone coming out called you that. I kinda wanted to try it.\""},
    {kHe, "\"Try it...?\""},
    {kShe, "\"'See ya, {family}!' they said. Hehe, it's like you're somebody I don't know. You really did have three years I wasn't part of.\""},
    {kHe, "Toshie was smiling, but from the side, her face looked a little lonely."},
    {kShe, "\"Since we went to different schools, we hardly got to see each other. ...You know, I always hated that.\""},
    {kHe, "\"Toshie...\""},
    {kShe, "\"Ever since we were little, you being next to me was just a given. Then we were apart, and I finally got it. It was never a given.\""},
    {kHe, "In the sunset, Toshie looked straight at me. They were the same clear eyes from when we used to play in the park down the street."},
    {kShe, "\"I love you. ...Not as your childhood friend. As a boy. For a long, long time now.\""},
    {kHe, "I almost forgot to breathe. She'd been beside me for so long that I'd never noticed something this important."},
    {kShe, "\"...Just kidding. Did I freak you out? Ahaha, your face is totally red.\""},
    {kHe, "\"You didn't freak me out. ...Thanks, Toshie. From now on, we're not just childhood friends. We're... you know.\""},
    {kShe, "\"...Okay! Hehe, waiting over ten years was totally worth it.\""},
    {kHe, "Toshie latched onto my arm with the same smile she'd had as a kid."},
    {kShe, "\"C'mon, let's go home. We live right around the corner, so from now on I'm coming over every single day.\""},
}};
static_assert(TakesTurns(kToshie));

// clang-format on

struct HeroineScripts {
    std::span<const ScriptLine> mutualLove;
    std::span<const ScriptLine> confession;
};

constexpr std::array<HeroineScripts, 8> kScripts{{
    {kKeikoMutual, kKeikoConfession},
    {kKyokoMutual, kKyokoConfession},
    {kMegumiMutual, kMegumiConfession},
    {kMasamiMutual, kMasamiConfession},
    {kAkinaMutual, kAkinaConfession},
    {kRyokoMutual, kRyokoConfession},
    {kKazumi, kKazumi},
    {kToshie, kToshie},
}};

}  // namespace

std::string_view GateClosedNarration() {
    return kGateClosed;
}

std::string_view CalledFromBehindNarration() {
    return kCalledFromBehind;
}

std::span<const ScriptLine> Confession(int heroine, bool mutualLove) {
    if (heroine < 1 || heroine > static_cast<int>(kScripts.size())) return {};
    const HeroineScripts& scripts = kScripts[static_cast<std::size_t>(heroine - 1)];
    return mutualLove ? scripts.mutualLove : scripts.confession;
}

}  // namespace story::en
