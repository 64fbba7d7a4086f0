#pragma once

#include <QColor>
#include <QString>

// Small media files that tests write into their working folder.
namespace testfiles {

// A standard MIDI file of one piano melody lasting about `seconds`.
void WriteMidi(const QString& path, double seconds, int program = 0);
// A 16-bit mono WAV file of a sine tone.
void WriteWav(const QString& path, double seconds);
// A 300 x 200 picture of one colour in the given format ("PNG", "JPEG" or "BMP": Qt writes no GIF).
void WritePicture(const QString& path, const QColor& color, const char* format);

}  // namespace testfiles
