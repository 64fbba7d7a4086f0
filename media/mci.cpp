#include "media/mci.h"

#include <QRegularExpression>

#include "media/audio.h"

namespace {

// The one device this layer knows: the sequencer, opened under an alias.
QString g_alias;

QStringList Tokens(const QString& command) {
    // Blank-separated words; a double-quoted path is one word without its quotes.
    static const QRegularExpression word(QStringLiteral("\"([^\"]*)\"|(\\S+)"));
    QStringList tokens;
    for (auto it = word.globalMatch(command); it.hasNext();) {
        const auto m = it.next();
        tokens.append(m.captured(1).isNull() ? m.captured(2) : m.captured(1));
    }
    return tokens;
}

int Open(const QStringList& t) {
    // open <file> [type sequencer] [alias <name>]
    if (t.size() < 2) return MCIERR_UNRECOGNIZED_COMMAND;
    QString alias = t[1];
    for (int i = 2; i + 1 < t.size(); i += 2) {
        const QString key = t[i].toLower();
        if (key == QLatin1String("alias"))
            alias = t[i + 1];
        else if (key == QLatin1String("type") && t[i + 1].toLower() != QLatin1String("sequencer"))
            return MCIERR_UNSUPPORTED_FUNCTION;
    }
    if (!g_alias.isEmpty() && g_alias.compare(alias, Qt::CaseInsensitive) == 0)
        return MCIERR_DUPLICATE_ALIAS;
    // Paths may come written with the classic separator.
    QString path = t[1];
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    switch (media::OpenSequence(path)) {
        case media::OpenResult::FileNotFound:
            return MCIERR_FILE_NOT_FOUND;
        case media::OpenResult::NotMidi:
            return MCIERR_INVALID_FILE;
        case media::OpenResult::Ok:
            break;
    }
    g_alias = alias;
    return MCIERR_NONE;
}

bool IsOpenAlias(const QString& name) {
    return !g_alias.isEmpty() && g_alias.compare(name, Qt::CaseInsensitive) == 0;
}

}  // namespace

int mciSendString(const QString& command, QString* answer) {
    if (answer) answer->clear();
    const QStringList t = Tokens(command);
    if (t.isEmpty()) return MCIERR_UNRECOGNIZED_COMMAND;
    const QString verb = t[0].toLower();
    if (verb == QLatin1String("open")) return Open(t);
    if (t.size() < 2) return MCIERR_UNRECOGNIZED_COMMAND;
    if (!IsOpenAlias(t[1])) return MCIERR_INVALID_DEVICE_NAME;

    if (verb == QLatin1String("play")) {
        media::PlaySequence();
        return MCIERR_NONE;
    }
    if (verb == QLatin1String("close")) {
        media::CloseSequence();
        g_alias.clear();
        return MCIERR_NONE;
    }
    if (verb == QLatin1String("status") && t.size() >= 3 &&
        t[2].toLower() == QLatin1String("mode")) {
        if (answer)
            *answer =
                media::SequencePlaying() ? QStringLiteral("playing") : QStringLiteral("stopped");
        return MCIERR_NONE;
    }
    return MCIERR_UNRECOGNIZED_COMMAND;
}

QString mciGetErrorString(int code) {
    switch (code) {
        case MCIERR_NONE:
            return QStringLiteral("The specified command was carried out.");
        case MCIERR_UNRECOGNIZED_COMMAND:
            return QStringLiteral("The driver cannot recognize the specified command.");
        case MCIERR_INVALID_DEVICE_NAME:
            return QStringLiteral("The specified device is not open or is not recognized.");
        case MCIERR_FILE_NOT_FOUND:
            return QStringLiteral("Cannot find the specified file.");
        case MCIERR_DUPLICATE_ALIAS:
            return QStringLiteral("The specified alias is already in use.");
        case MCIERR_INVALID_FILE:
            return QStringLiteral("The specified file cannot be played: it is not a MIDI file.");
        case MCIERR_UNSUPPORTED_FUNCTION:
            return QStringLiteral("The device does not support this function.");
        default:
            return QStringLiteral("Unknown media error %1.").arg(code);
    }
}
