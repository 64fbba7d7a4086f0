#include "frontend/keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMetaObject>

#include "campus/AnswerWindow.h"
#include "campus/CampusScreen.h"
#include "frontend/SettingsWindow.h"
#include "frontend/comfort.h"
#include "frontend/voicing.h"
#include "ui/Form.h"

namespace {
// The player's own choice, from a key: kept, and shown in the settings window if it is open.
void ChooseFullScreen(bool on) {
    Comforts c = StoredComforts();
    c.fullScreen = on;
    StoreComforts(c);
    SetFullScreenComfort(on);
    if (SettingsWindow.IsLoaded()) SettingsWindow->ShowComforts(c);
}
}  // namespace

bool ComfortKey(const QKeyEvent& key, QWidget* window) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    switch (key.key()) {
        case Qt::Key_F10:
            // From the event loop rather than from inside the key's delivery: the settings
            // window waits in a loop of its own.
            QMetaObject::invokeMethod(
                qApp, [] { OpenSettings(); }, Qt::QueuedConnection);
            return true;
        case Qt::Key_P:
            // P pauses the game from the campus screen or its dialog; while it is paused, the
            // campus screen takes every key as the one that ends the pause.
            if (!CampusScreen.IsLoaded() || CampusScreen->Paused() || !CampusScreen->isVisible() ||
                (window != CampusScreen.operator->() &&
                 !(AnswerWindow.IsLoaded() && window == AnswerWindow.operator->())))
                return false;
            CampusScreen->Pause();
            return true;
        case Qt::Key_F8:
            ChooseVoicing(!VoicingOn());
            if (SettingsWindow.IsLoaded()) SettingsWindow->ShowComforts(StoredComforts());
            return true;
        case Qt::Key_F9:
            VoiceWhereAndWhen();
            return true;
        case Qt::Key_F11:
            ChooseFullScreen(!ui::IsFullScreen());
            return true;
        case Qt::Key_Escape: {
            // Message boxes, windows that close on Esc and a line waiting for its click keep it.
            const auto* screen = dynamic_cast<ui::Form*>(window);
            if (!ui::IsFullScreen() || qobject_cast<QMessageBox*>(window) ||
                (screen && screen->WantsEscape()))
                return false;
            ChooseFullScreen(false);
            return true;
        }
        default:
            return false;
    }
}
