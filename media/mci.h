#pragma once

#include <QString>

// The media command layer the music module speaks: "open <file> type sequencer alias Midi",
// "play Midi", "close Midi" and "status Midi mode". It returns 0 or an error code, and writes
// the answer of a status query into `answer`.
int mciSendString(const QString& command, QString* answer = nullptr);

// A readable text for an error code of mciSendString.
QString mciGetErrorString(int code);

enum MciError {
    MCIERR_NONE = 0,
    MCIERR_UNRECOGNIZED_COMMAND = 261,
    MCIERR_INVALID_DEVICE_NAME = 263,
    MCIERR_FILE_NOT_FOUND = 275,
    MCIERR_DUPLICATE_ALIAS = 289,
    MCIERR_INVALID_FILE = 296,
    MCIERR_UNSUPPORTED_FUNCTION = 274,
};
