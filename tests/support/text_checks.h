#pragma once

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

// The data files and the save file are CP932: a text that does not come back unchanged from a
// trip through it cannot be stored.
inline bool SurvivesCp932(const QString& text) {
    QStringEncoder encoder("CP932");
    QStringDecoder decoder("CP932");
    if (!encoder.isValid() || !decoder.isValid()) return false;
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) return false;
    const QString back = decoder.decode(bytes);
    return !decoder.hasError() && back == text;
}
