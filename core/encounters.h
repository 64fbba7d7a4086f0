#pragma once

void MeetOnArrival();
void MeetWhileWaiting();
void ShowNobodyHere();
// The five-minute mark came while the heroine still waited for an answer.
void IgnoredTimeout();
// The five-minute mark came after the player had answered.
void LeavingTimeout();
