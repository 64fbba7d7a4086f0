#include "ui/language.h"

namespace ui {

namespace {
Language current = Language::Japanese;
}

Language CurrentLanguage() {
    return current;
}

void SetLanguage(Language language) {
    current = language;
}

}  // namespace ui
