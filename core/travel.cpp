#include "core/travel.h"

#include "core/placeholder.h"

void StartWalk(int) { PlaceholderRan("StartWalk"); }
void ArriveAtDestination() { PlaceholderRan("ArriveAtDestination"); }
