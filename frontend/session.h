#pragma once

// Turns a prepared game record into a running game on the campus screen: a new game plays the
// opening and the graduation album first; a resumed one goes straight back to its place.
void StartSession(bool resumed);

// What an end asked from outside keeps, with nobody at the screen to answer the quit prompt:
// the game, saved where the prompt would offer it, and a win already shown.
void KeepOnEndRequest();
