#pragma once

// A travel button was clicked: the player sets off along the path to place index + 1.
void StartWalk(int index);

// The clock reached the arrival minute of the walk under way.
void ArriveAtDestination();
