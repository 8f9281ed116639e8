#pragma once

#include <QByteArray>
#include <QString>

// How a script file is stored on disk: its encoding and its line-end style.
struct TextFileFormat {
    enum class Encoding { Utf8, Latin1 };
    enum class LineEnds { Lf, CrLf };
    Encoding encoding = Encoding::Utf8;
    LineEnds lineEnds = LineEnds::Lf;

    bool operator==(const TextFileFormat &other) const
    {
        return encoding == other.encoding && lineEnds == other.lineEnds;
    }
    bool operator!=(const TextFileFormat &other) const { return !(*this == other); }
};

// Converts script files between their bytes on disk and the editor's text (UTF-8, CR LF line ends).
// Works on bytes in linear passes; a 10 MB script never goes through a QString here.
namespace TextFileCodec {

struct Decoded {
    QByteArray utf8;       // the text with CR LF line ends
    TextFileFormat format; // how the file was stored
};
// Valid UTF-8 is read as UTF-8, anything else as Latin-1 (each byte one character).
// Every lone LF becomes CR LF; lone CRs stay as they are. The line-end style is the more
// common one of CR LF and lone LF; a tie (also a file without line ends) counts as LF.
Decoded decode(const QByteArray &bytes);

// The characters of a text file (UTF-8 when valid, else Latin-1), its line ends untouched.
QString decodeCharacters(const QByteArray &bytes);

struct Encoded {
    QByteArray bytes;
    // The format actually written: a Latin-1 text with characters outside Latin-1 is written
    // as UTF-8 rather than losing them, and says so here.
    TextFileFormat format;
};
// Document text with CR LF line ends to file bytes. With LF style every CR LF becomes LF;
// with CR LF style the line ends are written as they are.
Encoded encode(const QByteArray &utf8Text, TextFileFormat format);
Encoded encode(const QString &text, TextFileFormat format);

// Every lone LF and every lone CR becomes CR LF (for text the program puts into the document).
QByteArray normaliseLineEnds(const QByteArray &utf8Text);

// The text plus one CR LF, unless it is empty or already ends with a line end (CR or LF),
// so saving an unchanged file never grows it.
QString withFinalLineEnd(const QString &text);
QByteArray withFinalLineEnd(const QByteArray &utf8Text);

} // namespace TextFileCodec
