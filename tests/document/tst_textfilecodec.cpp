#include "document/textfilecodec.h"

#include <QtTest>

using Encoding = TextFileFormat::Encoding;
using LineEnds = TextFileFormat::LineEnds;

Q_DECLARE_METATYPE(TextFileFormat::Encoding)
Q_DECLARE_METATYPE(TextFileFormat::LineEnds)

class TestTextFileCodec : public QObject {
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
    void roundTripIsByteExact_data();
    void roundTripIsByteExact();
    void encode_data();
    void encode();
    void normaliseLineEnds_data();
    void normaliseLineEnds();
    void withFinalLineEnd_data();
    void withFinalLineEnd();
};

static QByteArray allBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    return bytes;
}

void TestTextFileCodec::decode_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Encoding>("encoding");
    QTest::addColumn<LineEnds>("lineEnds");

    QTest::newRow("empty") << QByteArray() << QByteArray() << Encoding::Utf8 << LineEnds::Lf;
    QTest::newRow("no line end") << QByteArray("abc") << QByteArray("abc") << Encoding::Utf8 << LineEnds::Lf;
    QTest::newRow("LF") << QByteArray("a\nb\n") << QByteArray("a\r\nb\r\n") << Encoding::Utf8 << LineEnds::Lf;
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QByteArray("a\r\nb\r\n") << Encoding::Utf8 << LineEnds::CrLf;
    QTest::newRow("LF first byte") << QByteArray("\nx") << QByteArray("\r\nx") << Encoding::Utf8 << LineEnds::Lf;
    QTest::newRow("mixed, more CR LF") << QByteArray("a\r\nb\r\nc\n") << QByteArray("a\r\nb\r\nc\r\n")
                                       << Encoding::Utf8 << LineEnds::CrLf;
    QTest::newRow("mixed, more LF") << QByteArray("a\nb\nc\r\n") << QByteArray("a\r\nb\r\nc\r\n")
                                    << Encoding::Utf8 << LineEnds::Lf;
    QTest::newRow("mixed, tie") << QByteArray("a\r\nb\n") << QByteArray("a\r\nb\r\n") << Encoding::Utf8 << LineEnds::Lf;
    QTest::newRow("lone CR stays") << QByteArray("a\rb\n") << QByteArray("a\rb\r\n") << Encoding::Utf8 << LineEnds::Lf;
    QTest::newRow("CR CR LF") << QByteArray("a\r\r\n") << QByteArray("a\r\r\n") << Encoding::Utf8 << LineEnds::CrLf;
    QTest::newRow("LF at word boundaries")
        << QByteArray("abcdefgh\nabcdefg\nabcdefghijklmnop\r\n") << QByteArray("abcdefgh\r\nabcdefg\r\nabcdefghijklmnop\r\n")
        << Encoding::Utf8 << LineEnds::Lf;
    QTest::newRow("NUL byte") << QByteArray("a\0b\n", 4) << QByteArray("a\0b\r\n", 5) << Encoding::Utf8 << LineEnds::Lf;
    QTest::newRow("UTF-8 e acute") << QByteArray("caf\xC3\xA9\n") << QByteArray("caf\xC3\xA9\r\n")
                                   << Encoding::Utf8 << LineEnds::Lf;
    QTest::newRow("UTF-8 outside BMP") << QByteArray("\xF0\x9F\x98\x80\r\n") << QByteArray("\xF0\x9F\x98\x80\r\n")
                                       << Encoding::Utf8 << LineEnds::CrLf;
    QTest::newRow("UTF-8 after ASCII run") << QByteArray("0123456789abcdef\xE2\x82\xAC") << QByteArray("0123456789abcdef\xE2\x82\xAC")
                                           << Encoding::Utf8 << LineEnds::Lf;
    QTest::newRow("Latin-1 e acute") << QByteArray("caf\xE9\n") << QByteArray("caf\xC3\xA9\r\n")
                                     << Encoding::Latin1 << LineEnds::Lf;
    QTest::newRow("Latin-1 0x80 and 0xFF") << QByteArray("\x80\xFF\r\n") << QByteArray("\xC2\x80\xC3\xBF\r\n")
                                           << Encoding::Latin1 << LineEnds::CrLf;
    QTest::newRow("valid UTF-8 before a Latin-1 byte") << QByteArray("\xC3\xA9 \xE9") << QByteArray("\xC3\x83\xC2\xA9 \xC3\xA9")
                                                       << Encoding::Latin1 << LineEnds::Lf;
    QTest::newRow("sequence cut off at the end") << QByteArray("ab\xC3") << QByteArray("ab\xC3\x83")
                                                 << Encoding::Latin1 << LineEnds::Lf;
    QTest::newRow("overlong form") << QByteArray("\xC0\xAF") << QByteArray("\xC3\x80\xC2\xAF")
                                   << Encoding::Latin1 << LineEnds::Lf;
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << QByteArray("\xC3\xAD\xC2\xA0\xC2\x80")
                                       << Encoding::Latin1 << LineEnds::Lf;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << QByteArray("\xC3\xB4\xC2\x90\xC2\x80\xC2\x80")
                                     << Encoding::Latin1 << LineEnds::Lf;
}

void TestTextFileCodec::decode()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, text);
    QFETCH(Encoding, encoding);
    QFETCH(LineEnds, lineEnds);

    const TextFileCodec::Decoded decoded = TextFileCodec::decode(input);
    QCOMPARE(decoded.utf8, text);
    QCOMPARE(decoded.format.encoding, encoding);
    QCOMPARE(decoded.format.lineEnds, lineEnds);
    // The document text always means what the file said, read as its encoding.
    const QString expected = encoding == Encoding::Utf8 ? QString::fromUtf8(input) : QString::fromLatin1(input);
    QString normalised = expected;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    QCOMPARE(QString::fromUtf8(decoded.utf8), normalised);
}

void TestTextFileCodec::roundTripIsByteExact_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no final line end") << QByteArray("print 1;\nprint 2;");
    QTest::newRow("UTF-8 LF") << QByteArray("# caf\xC3\xA9 \xF0\x9F\x98\x80\nprint;\n");
    QTest::newRow("UTF-8 CR LF") << QByteArray("# caf\xC3\xA9\r\nprint;\r\n");
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBFprint;\n");
    QTest::newRow("Latin-1 LF") << QByteArray("# caf\xE9\nprint;\n");
    QTest::newRow("Latin-1 CR LF") << QByteArray("# caf\xE9\r\n\xFF\r\n");
    QTest::newRow("lone CR in LF file") << QByteArray("a\rb\nc\n");
    QTest::newRow("lone CR in CR LF file") << QByteArray("a\rb\r\nc\r\n\r");
    QTest::newRow("NUL bytes") << QByteArray("a\0\nb\0", 5);
    QTest::newRow("every byte value") << allBytes();
}

void TestTextFileCodec::roundTripIsByteExact()
{
    QFETCH(QByteArray, file);
    const TextFileCodec::Decoded decoded = TextFileCodec::decode(file);
    const TextFileCodec::Encoded encoded = TextFileCodec::encode(decoded.utf8, decoded.format);
    QCOMPARE(encoded.bytes, file);
    QCOMPARE(encoded.format, decoded.format);
}

void TestTextFileCodec::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Encoding>("encoding");
    QTest::addColumn<LineEnds>("lineEnds");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Encoding>("written");

    const QString eAcute = QStringLiteral("caf\u00e9\r\n");
    QTest::newRow("UTF-8 CR LF as is") << QStringLiteral("a\r\nb\rc") << Encoding::Utf8 << LineEnds::CrLf
                                       << QByteArray("a\r\nb\rc") << Encoding::Utf8;
    QTest::newRow("UTF-8 LF keeps lone CR") << QStringLiteral("a\r\nb\rc\r\n") << Encoding::Utf8 << LineEnds::Lf
                                            << QByteArray("a\nb\rc\n") << Encoding::Utf8;
    QTest::newRow("Latin-1 LF") << eAcute << Encoding::Latin1 << LineEnds::Lf << QByteArray("caf\xE9\n") << Encoding::Latin1;
    QTest::newRow("Latin-1 CR LF") << eAcute << Encoding::Latin1 << LineEnds::CrLf << QByteArray("caf\xE9\r\n")
                                   << Encoding::Latin1;
    QTest::newRow("euro sign: Latin-1 file saved as UTF-8")
        << QStringLiteral("\u00e9 \u20ac\r\n") << Encoding::Latin1 << LineEnds::Lf << QByteArray("\xC3\xA9 \xE2\x82\xAC\n")
        << Encoding::Utf8;
    QTest::newRow("emoji: Latin-1 file saved as UTF-8")
        << QString::fromUtf8("x\xF0\x9F\x98\x80") << Encoding::Latin1 << LineEnds::CrLf << QByteArray("x\xF0\x9F\x98\x80")
        << Encoding::Utf8;
    QTest::newRow("U+0100 is outside Latin-1") << QStringLiteral("\u0100") << Encoding::Latin1 << LineEnds::Lf
                                               << QByteArray("\xC4\x80") << Encoding::Utf8;
}

void TestTextFileCodec::encode()
{
    QFETCH(QString, text);
    QFETCH(Encoding, encoding);
    QFETCH(LineEnds, lineEnds);
    QFETCH(QByteArray, bytes);
    QFETCH(Encoding, written);

    const TextFileCodec::Encoded encoded = TextFileCodec::encode(text, TextFileFormat{encoding, lineEnds});
    QCOMPARE(encoded.bytes, bytes);
    QCOMPARE(encoded.format.encoding, written);
    QCOMPARE(encoded.format.lineEnds, lineEnds);
    // What was written reads back as the same text.
    QCOMPARE(QString::fromUtf8(TextFileCodec::decode(encoded.bytes).utf8), text);
}

void TestTextFileCodec::normaliseLineEnds_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("output");
    QTest::newRow("none") << QByteArray("abc") << QByteArray("abc");
    QTest::newRow("CR LF stays") << QByteArray("a\r\nb\r\n") << QByteArray("a\r\nb\r\n");
    QTest::newRow("lone LF") << QByteArray("a\nb\n") << QByteArray("a\r\nb\r\n");
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << QByteArray("a\r\nb\r\n");
    QTest::newRow("LF CR") << QByteArray("\n\r") << QByteArray("\r\n\r\n");
    QTest::newRow("CR CR LF") << QByteArray("\r\r\n") << QByteArray("\r\n\r\n");
}

void TestTextFileCodec::normaliseLineEnds()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, output);
    QCOMPARE(TextFileCodec::normaliseLineEnds(input), output);
}

void TestTextFileCodec::withFinalLineEnd_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("saved");
    QTest::newRow("empty stays empty") << QString() << QString();
    QTest::newRow("no line end") << QStringLiteral("a\r\nb") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("ends with CR LF") << QStringLiteral("a\r\n") << QStringLiteral("a\r\n");
    QTest::newRow("ends with LF") << QStringLiteral("a\n") << QStringLiteral("a\n");
    QTest::newRow("ends with CR") << QStringLiteral("a\r") << QStringLiteral("a\r");
    QTest::newRow("empty last line kept") << QStringLiteral("a\r\n\r\n") << QStringLiteral("a\r\n\r\n");
}

void TestTextFileCodec::withFinalLineEnd()
{
    QFETCH(QString, text);
    QFETCH(QString, saved);
    QCOMPARE(TextFileCodec::withFinalLineEnd(text), saved);
    QCOMPARE(TextFileCodec::withFinalLineEnd(text.toUtf8()), saved.toUtf8());
    // Saving twice adds nothing the second time.
    QCOMPARE(TextFileCodec::withFinalLineEnd(TextFileCodec::withFinalLineEnd(text)), saved);
}

QTEST_GUILESS_MAIN(TestTextFileCodec)
#include "tst_textfilecodec.moc"
