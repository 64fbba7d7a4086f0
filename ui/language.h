#pragma once

namespace ui {

// The language the player reads and hears. Japanese is the game's own edition: its texts, data
// files, save file and clear record never change with this choice.
enum class Language { Japanese, English };

Language CurrentLanguage();
void SetLanguage(Language language);

}  // namespace ui
