#pragma once

#include <QString>

#include "ui/language.h"

// A travel button was clicked: the player sets off along the path to place index + 1.
void StartWalk(int index);

// The clock reached the arrival minute of the walk under way.
void ArriveAtDestination();

// The campus screen's caption and line while walking, in `language`: shown at the start of the
// walk, and again after a language switch.
QString WalkingCaption(ui::Language language);
QString WalkingLine(ui::Language language);
