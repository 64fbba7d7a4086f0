#pragma once

// The start of the program: the logo demo, the run-wide values, the title music and the title.
void Main();
