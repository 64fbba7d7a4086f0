#pragma once

// The campus screen's close request: offers to save, then ends the program or goes on.
void QuitPrompt(int& cancel, int reason);
