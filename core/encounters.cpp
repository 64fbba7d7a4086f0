#include "core/encounters.h"

#include "core/placeholder.h"

void MeetOnArrival() { PlaceholderRan("MeetOnArrival"); }
void MeetWhileWaiting() { PlaceholderRan("MeetWhileWaiting"); }
void ShowNobodyHere() { PlaceholderRan("ShowNobodyHere"); }
void IgnoredTimeout() { PlaceholderRan("IgnoredTimeout"); }
void LeavingTimeout() { PlaceholderRan("LeavingTimeout"); }
