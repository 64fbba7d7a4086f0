#pragma once

// After the confession: any saved game is removed, the epilogue of the heroine who confessed is
// told, and the win is recorded. The program ends inside.
[[noreturn]] void PlayEpilogue();
