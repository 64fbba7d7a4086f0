#pragma once

// The player arrived in an encounter window.
void MeetOnArrival();
// An idle player at the first minute of a window.
void MeetWhileWaiting();
void ShowNobodyHere();
