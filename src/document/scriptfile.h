#pragma once

#include "textfilecodec.h"

#include <QByteArray>
#include <QString>

// Writes a script to disk in its own encoding and line-end style, adding a final line end
// only when the text has none. The file is replaced whole (written to a temporary file,
// then renamed), so a failed or interrupted save never leaves a truncated script behind.
struct ScriptWriteResult {
    bool ok = false;
    QString error;         // the system's reason when not ok
    TextFileFormat format; // the format written (see TextFileCodec::encode)
};
ScriptWriteResult writeScriptFile(const QString &path, const QByteArray &utf8Text, TextFileFormat format);
