#pragma once

#include <QString>

// Where heroines 1 to 6 stand: the timetable of six encounter windows. No randomness: who is
// where depends only on the minute.
int HeroineAt(int minute, int location);  // 0 when nobody stands there
bool InEncounterWindow(int minute);
// The first minute of a window, from the second window on: when a heroine comes to a waiting
// player.
bool IsWindowStart(int minute);

QString HeroinePictureCode(int location, int heroine, bool onArrival);
// Heroine 1 to 8 at the gate, confessing: "C38", her digit, "C".
QString ConfessionPictureCode(int heroine);
QString ConversationCode(int location, int heroine, bool onArrival);
// The heroine of a conversation code: its second digit.
int HeroineOfConversation(const QString& code);
