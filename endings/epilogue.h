#pragma once

// After the confession: any saved game is removed, the epilogue of the heroine who confessed is
// told, and the win is recorded. The program ends inside.
[[noreturn]] void PlayEpilogue();

// Records the win once the epilogue has begun, unless it is recorded already or replayed from
// the data room. The end of the staff roll calls it, and so does an end asked from outside.
void RecordShownWin();
