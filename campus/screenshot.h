#pragma once

#include <QString>
#include <QWidget>

// Saves `screen` as the player sees it (its client area) as a PNG in the user's pictures folder,
// made when missing, named by the date and time. Returns, in Japanese, where it went or why it
// could not.
QString SaveScreenshot(QWidget& screen);
