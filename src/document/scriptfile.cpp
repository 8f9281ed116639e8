#include "scriptfile.h"

#include <QSaveFile>

ScriptWriteResult writeScriptFile(const QString &path, const QByteArray &utf8Text, TextFileFormat format)
{
    const TextFileCodec::Encoded encoded = TextFileCodec::encode(TextFileCodec::withFinalLineEnd(utf8Text), format);
    ScriptWriteResult result;
    result.format = encoded.format;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encoded.bytes) != encoded.bytes.size() || !file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}
