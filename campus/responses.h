#pragma once

#include <QString>

// A heroine has greeted the player: five of her conversation's ten candidate lines are drawn at
// random onto the choice dialog, and the game waits for the answer.
void OfferResponses(const QString& conversation);

// The player picked line k (1 to 5): her reply is shown and her affection changes.
void ApplyResponse(int k);

// The five-minute mark came while the heroine still waited for an answer.
void IgnoredTimeout();
// She goes her way: the leaving line, and the conversation is over.
void HeroineLeaves();
