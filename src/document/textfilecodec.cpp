#include "textfilecodec.h"

#include <cstdint>
#include <cstring>

namespace {

using uchar = unsigned char;

// Length of the well-formed UTF-8 sequence whose lead byte (>= 0x80) is at p, 0 if there is none
// (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut off at the end).
int utf8SequenceLength(const uchar *p, const uchar *end)
{
    const auto continuation = [&](int i) { return p + i < end && (p[i] & 0xC0) == 0x80; };
    const uchar c = p[0];
    if (c >= 0xC2 && c <= 0xDF)
        return continuation(1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        if (!continuation(1) || !continuation(2))
            return 0;
        if ((c == 0xE0 && p[1] < 0xA0) || (c == 0xED && p[1] > 0x9F))
            return 0;
        return 3;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        if (!continuation(1) || !continuation(2) || !continuation(3))
            return 0;
        if ((c == 0xF0 && p[1] < 0x90) || (c == 0xF4 && p[1] > 0x8F))
            return 0;
        return 4;
    }
    return 0;
}

// True when none of the 8 bytes is >= 0x80 or '\n': the common case in a script, skipped in one step.
bool plainAsciiWord(const uchar *p)
{
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    constexpr std::uint64_t highs = 0x8080808080808080ULL;
    const std::uint64_t lf = word ^ (ones * '\n');
    const bool hasLf = ((lf - ones) & ~lf & highs) != 0;
    return (word & highs) == 0 && !hasLf;
}

struct Scan {
    bool utf8 = true;
    qsizetype crLf = 0;
    qsizetype loneLf = 0;
    qsizetype highBytes = 0; // bytes >= 0x80: each becomes two when read as Latin-1
};

Scan scan(const QByteArray &bytes)
{
    Scan result;
    const uchar *const begin = reinterpret_cast<const uchar *>(bytes.constData());
    const uchar *const end = begin + bytes.size();
    const uchar *p = begin;
    while (p < end) {
        if (end - p >= 8 && plainAsciiWord(p)) {
            p += 8;
            continue;
        }
        const uchar c = *p;
        if (c < 0x80) {
            if (c == '\n') {
                if (p > begin && p[-1] == '\r')
                    ++result.crLf;
                else
                    ++result.loneLf;
            }
            ++p;
            continue;
        }
        if (result.utf8) {
            const int length = utf8SequenceLength(p, end);
            if (length > 0) {
                result.highBytes += length;
                p += length;
                continue;
            }
            result.utf8 = false;
        }
        ++result.highBytes;
        ++p;
    }
    return result;
}

// UTF-8 input: copies the runs between LFs, putting a CR before each lone LF.
QByteArray utf8WithCrLf(const QByteArray &bytes, qsizetype loneLf)
{
    if (loneLf == 0)
        return bytes; // shares the buffer, no copy
    QByteArray out(bytes.size() + loneLf, Qt::Uninitialized);
    const char *const begin = bytes.constData();
    const char *const end = begin + bytes.size();
    const char *p = begin;
    char *o = out.data();
    while (p < end) {
        const char *lf = static_cast<const char *>(std::memchr(p, '\n', end - p));
        const char *stop = lf ? lf : end;
        std::memcpy(o, p, stop - p);
        o += stop - p;
        if (!lf)
            break;
        if (lf == begin || lf[-1] != '\r')
            *o++ = '\r';
        *o++ = '\n';
        p = lf + 1;
    }
    return out;
}

QByteArray latin1WithCrLf(const QByteArray &bytes, qsizetype highBytes, qsizetype loneLf)
{
    QByteArray out(bytes.size() + highBytes + loneLf, Qt::Uninitialized);
    const uchar *const begin = reinterpret_cast<const uchar *>(bytes.constData());
    const uchar *const end = begin + bytes.size();
    uchar *o = reinterpret_cast<uchar *>(out.data());
    for (const uchar *p = begin; p < end; ++p) {
        const uchar c = *p;
        if (c >= 0x80) {
            *o++ = uchar(0xC0 | (c >> 6));
            *o++ = uchar(0x80 | (c & 0x3F));
        } else {
            if (c == '\n' && (p == begin || p[-1] != '\r'))
                *o++ = '\r';
            *o++ = c;
        }
    }
    return out;
}

// Every CR LF becomes LF; everything else is copied.
QByteArray crLfToLf(const QByteArray &text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    const char *const begin = text.constData();
    const char *const end = begin + text.size();
    const char *p = begin;
    char *o = out.data();
    while (p < end) {
        const char *lf = static_cast<const char *>(std::memchr(p, '\n', end - p));
        if (!lf) {
            std::memcpy(o, p, end - p);
            o += end - p;
            break;
        }
        const char *stop = (lf > p && lf[-1] == '\r') ? lf - 1 : lf;
        std::memcpy(o, p, stop - p);
        o += stop - p;
        *o++ = '\n';
        p = lf + 1;
    }
    out.truncate(o - out.constData());
    return out;
}

// Whether every character of the (UTF-8) text lies in Latin-1: no lead byte above 0xC3.
bool fitsLatin1(const QByteArray &utf8Text)
{
    for (const char ch : utf8Text) {
        const uchar c = uchar(ch);
        if (c >= 0xC4 && (c & 0xC0) != 0x80)
            return false;
    }
    return true;
}

QByteArray utf8ToLatin1(const QByteArray &utf8Text, bool crLfToLf)
{
    QByteArray out(utf8Text.size(), Qt::Uninitialized);
    const uchar *const begin = reinterpret_cast<const uchar *>(utf8Text.constData());
    const uchar *const end = begin + utf8Text.size();
    uchar *o = reinterpret_cast<uchar *>(out.data());
    for (const uchar *p = begin; p < end; ++p) {
        const uchar c = *p;
        if ((c == 0xC2 || c == 0xC3) && p + 1 < end && (p[1] & 0xC0) == 0x80) {
            *o++ = uchar(((c & 0x03) << 6) | (p[1] & 0x3F));
            ++p;
        } else if (!(crLfToLf && c == '\r' && p + 1 < end && p[1] == '\n')) {
            *o++ = c;
        }
    }
    out.truncate(reinterpret_cast<char *>(o) - out.constData());
    return out;
}

} // namespace

namespace TextFileCodec {

Decoded decode(const QByteArray &bytes)
{
    const Scan s = scan(bytes);
    Decoded result;
    result.format.encoding = s.utf8 ? TextFileFormat::Encoding::Utf8 : TextFileFormat::Encoding::Latin1;
    result.format.lineEnds = s.crLf > s.loneLf ? TextFileFormat::LineEnds::CrLf : TextFileFormat::LineEnds::Lf;
    result.utf8 = s.utf8 ? utf8WithCrLf(bytes, s.loneLf) : latin1WithCrLf(bytes, s.highBytes, s.loneLf);
    return result;
}

QString decodeCharacters(const QByteArray &bytes)
{
    return scan(bytes).utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
}

Encoded encode(const QByteArray &utf8Text, TextFileFormat format)
{
    const bool toLf = format.lineEnds == TextFileFormat::LineEnds::Lf;
    if (format.encoding == TextFileFormat::Encoding::Latin1 && !fitsLatin1(utf8Text))
        format.encoding = TextFileFormat::Encoding::Utf8;
    Encoded result;
    result.format = format;
    if (format.encoding == TextFileFormat::Encoding::Latin1)
        result.bytes = utf8ToLatin1(utf8Text, toLf);
    else
        result.bytes = toLf ? crLfToLf(utf8Text) : utf8Text;
    return result;
}

Encoded encode(const QString &text, TextFileFormat format)
{
    return encode(text.toUtf8(), format);
}

QByteArray normaliseLineEnds(const QByteArray &utf8Text)
{
    const char *const begin = utf8Text.constData();
    const qsizetype size = utf8Text.size();
    qsizetype lone = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (begin[i] == '\n' && (i == 0 || begin[i - 1] != '\r'))
            ++lone;
        else if (begin[i] == '\r' && (i + 1 == size || begin[i + 1] != '\n'))
            ++lone;
    }
    if (lone == 0)
        return utf8Text;
    QByteArray out;
    out.reserve(size + lone);
    for (qsizetype i = 0; i < size; ++i) {
        const char c = begin[i];
        if (c == '\n' && (i == 0 || begin[i - 1] != '\r'))
            out.append("\r\n", 2);
        else if (c == '\r' && (i + 1 == size || begin[i + 1] != '\n'))
            out.append("\r\n", 2);
        else
            out.append(c);
    }
    return out;
}

QString withFinalLineEnd(const QString &text)
{
    if (text.isEmpty() || text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        return text;
    return text + QStringLiteral("\r\n");
}

QByteArray withFinalLineEnd(const QByteArray &utf8Text)
{
    if (utf8Text.isEmpty() || utf8Text.endsWith('\n') || utf8Text.endsWith('\r'))
        return utf8Text;
    return utf8Text + QByteArrayLiteral("\r\n");
}

} // namespace TextFileCodec
