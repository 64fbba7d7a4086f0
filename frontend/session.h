#pragma once

// Turns a prepared game record into a running game on the campus screen: a new game plays the
// opening and the graduation album first; a resumed one goes straight back to its place.
void StartSession(bool resumed);
