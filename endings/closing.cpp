#include "endings/closing.h"

#include "core/placeholder.h"

void PlayClosingTime() { PlaceholderRan("PlayClosingTime"); }
