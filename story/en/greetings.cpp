#include <array>
#include <string_view>

#include "story/story.h"

namespace story::en {

namespace {

struct Cell {
    int location;
    int heroine;
    Greeting greeting;
};

// The same cells as the Japanese, in the same order. A greeting cannot name him: he is "you".
// clang-format off
constexpr std::array<Cell, 15> kCells = {{
    {1, 2,
     {"\"Whoa, you scared me! Welcome to—no, wait! Ahaha, force of habit. You're the guy who always comes to the diner, right? What brings you up here?\"",
      "\"Oh, it is you! I knew you from behind right away. You always sit by the window at the diner, right? What are you doing up here?\""}},
    {2, 1,
     {"\"...You are from Class A, I believe. Forgive me, I thought no one was here, so you startled me. Is there something you need in Class B?\"",
      "\"Good afternoon. On the student council, one ends up learning everyone's face. You are in Class A, are you not? What brings you here?\""}},
    {6, 6,
     {"\"Whoa! Geez, you scared me. Don't sneak up on a person like that. You're not even in the tennis club. Reckon you've got business on the courts?\"",
      "\"Hey there! Knew it was you. I wanted one last look at the courts. Did you come out here because you're sad to leave, too?\""}},
    {7, 5,
     {"\"Eek...! Oh—phew, I thought you were a fan. Even in a hat and sunglasses, some people can tell. Will you keep it a secret that I was here?\"",
      "\"Hey, could you hide me for a little bit? My manager's waiting at the main gate. I just want to be a normal high school girl a little longer.\""}},
    {4, 3,
     {"\"Eep, you saw?! You didn't see me practicing my signature pose up on stage, did you? ...No, you totally did. So? Your review?\"",
      "\"Ah! A civilian, spotted! Wanna see my transformation outfit? I spent three months sewing it for today. Well? Well?\""}},
    {5, 4,
     {"\"...I wondered who it was. A pool with no water is a strange sight, isn't it? Did you come to look at it too?\"",
      "\"Hello. You've been watching the empty pool for a while, haven't you? I was remembering how the water smelled in summer. And you?\""}},
    {2, 2,
     {"\"Oh...! Y-you scared me. This is Class B, y'know? Are you looking for someone? If it helps, I'm all ears.\"",
      "\"Huh, you're still here! I came to sit at my desk one last time, and there's my favorite regular. What are you doing in Class B?\""}},
    {3, 3,
     {"\"Heh heh heh... This schoolyard is where the final battle begins! ...That's your cue to roll your eyes. Is a magical girl out here weird?\"",
      "\"Hey, hey, you there! Will you take one picture for graduation? It's the pose from the final episode of 'Magical Angel Luminous Heart'!\""}},
    {4, 4,
     {"\"So someone else is still here. I wanted to see the ceremony decorations once more, before they're taken down. You too?\"",
      "\"Hello. The red-and-white bunting is pretty, isn't it? I couldn't really look at it during the ceremony. May I talk with you a little?\""}},
    {1, 5,
     {"\"Huh...! Oh, you scared me. I thought nobody ever came up to the roof. Don't tell my manager you saw me here, okay?\"",
      "\"Hiii there! ...Oops, that was my TV voice, wasn't it? Sorry. I wanted one last look at the view from up here. Hey, can I stand next to you?\""}},
    {2, 6,
     {"\"Huh? I thought nobody was here. You scared me. What're you doing in Class B? Waiting for somebody?\"",
      "\"Oh, good deal, somebody's still here! Being alone in the classroom gets kinda lonely. Wanna stay and talk a bit?\""}},
    {3, 4,
     {"\"Oh... hello. Look, the cherry buds have swelled up so much already. Had you noticed?\"",
      "\"Hello. I've loved this cherry tree since the day I started here. It's only buds for now. Do you have a place you love, too?\""}},
    {5, 3,
     {"\"Whoa, enemy attack?! ...Oh. Just a human. I was playing water spirit by the pool. There's no water, I know. ...Did you laugh?\"",
      "\"Hey, hey, listen! In anime, something always happens at the pool. Don't you feel like something's gonna happen today, too?\""}},
    {6, 1,
     {"\"...You caught me. The former council president, standing around on the tennis courts in a daze. It must look rather odd.\"",
      "\"Oh, good afternoon. To tell the truth, I always wanted to try tennis. The council kept me too busy for three years. Surprising, is it not?\""}},
    {7, 3,
     {"\"Eek?! Geez, don't sneak up on me! This place looks just like the forest from 'Luminous Heart' episode seven. I got totally lost in it. You know?\"",
      "\"Oh, there's someone! Hey, I want one last photo shoot in the garden, and I need a camera operator. You free?\""}},
}};
// clang-format on

}  // namespace

Greeting GreetingAt(int location, int heroine) {
    for (const Cell& cell : kCells) {
        if (cell.location == location && cell.heroine == heroine) return cell.greeting;
    }
    return {};
}

}  // namespace story::en
