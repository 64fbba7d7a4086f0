#include "records/savefile.h"

#include "core/placeholder.h"
#include "ui/Form.h"
#include "ui/runtime.h"

void QuitPrompt(int&, int reason) {
    if (reason == ui::kCloseFromCode) return;
    PlaceholderRan("QuitPrompt");
    ui::EndProgram();
}
