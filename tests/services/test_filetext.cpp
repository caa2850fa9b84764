// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The text encodings of the program's files, and their lines.

#include "asciicopy.h"
#include "filetext.h"
#include "linereader.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace {

using noctalis::decodeFileText;
using noctalis::encodeFileText;

TEST(FileText, AsciiIsTheSameBothWays)
{
    const QString text = QStringLiteral("NAME:Jupiter\r\nPARAM1:Look: \"Saturn\", Mars\r\n");
    EXPECT_EQ(encodeFileText(text), text.toLatin1());
    EXPECT_EQ(decodeFileText(text.toLatin1()), text);
}

TEST(FileText, Windows1252BytesReadAsWindows1252)
{
    // "Café – 5 €" as written on Windows: é 0xE9, en dash 0x96, euro 0x80.
    const QByteArray bytes("Caf\xE9 \x96 5 \x80");
    EXPECT_EQ(decodeFileText(bytes), QStringLiteral(u"Café – 5 €"));
}

TEST(FileText, TextThatFitsIsWrittenAsWindows1252)
{
    const QString text = QStringLiteral(u"Café – 5 € ‘q’ Œ ÿ");
    const QByteArray bytes = encodeFileText(text);
    EXPECT_EQ(bytes, QByteArray("Caf\xE9 \x96 5 \x80 \x91q\x92 \x8C \xFF"));
    EXPECT_EQ(decodeFileText(bytes), text);
}

TEST(FileText, TextBeyondWindows1252IsWrittenAsUtf8)
{
    const QString text = QStringLiteral(u"Café, Плеяды, 昴, ☉ 𝛼");
    const QByteArray bytes = encodeFileText(text);
    EXPECT_EQ(bytes, text.toUtf8());
    EXPECT_EQ(decodeFileText(bytes), text);
}

TEST(FileText, Windows1252BytesThatLookLikeUtf8AreWrittenAsUtf8)
{
    // "Ã©" is 0xC3 0xA9 in Windows-1252, which UTF-8 would read as "é".
    const QString text = QStringLiteral(u"Ã©");
    const QByteArray bytes = encodeFileText(text);
    EXPECT_EQ(bytes, text.toUtf8());
    EXPECT_EQ(decodeFileText(bytes), text);
}

TEST(FileText, EveryByteComesBack)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = decodeFileText(all);
    ASSERT_EQ(text.size(), 256);
    for (const int unassigned : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(text[unassigned], QChar(unassigned)) << unassigned;
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(encodeFileText(text), all);
}

TEST(FileText, Utf8ByteOrderMarkIsDropped)
{
    EXPECT_EQ(decodeFileText(QByteArray("\xEF\xBB\xBFSIDEREAL \xC3\xA9")), QStringLiteral(u"SIDEREAL é"));
}

TEST(FileText, BrokenUtf8IsReadAsWindows1252)
{
    // A UTF-8 lead byte without its follower, an overlong form, a lone
    // continuation byte.
    EXPECT_EQ(decodeFileText(QByteArray("\xC3 x")), QStringLiteral(u"Ã x"));
    EXPECT_EQ(decodeFileText(QByteArray("\xC0\xAF")), QStringLiteral(u"À¯"));
    EXPECT_EQ(decodeFileText(QByteArray("a\xA9")), QStringLiteral(u"a©"));
}

}  // namespace

// Text copied into bytes in steps of sixteen, eight or four characters, the
// last one overlapping, or one by one below four: a character beyond ASCII
// or a line break is seen wherever it stands, and ASCII text comes out byte
// for byte.
TEST(AsciiCopy, SeesEveryCharacterInStepsAndInTheRest)
{
    for (const int length : {0, 1, 3, 4, 5, 7, 8, 9, 15, 16, 17, 31, 32, 33, 70}) {
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(u'!' + i % 90);
        QByteArray out(length, '\0');
        const noctalis::AsciiCopy plain = noctalis::copyAscii(text, out.data());
        EXPECT_TRUE(plain.ascii && !plain.lineBreak) << length;
        EXPECT_EQ(out, text.toLatin1()) << length;
        for (int at = 0; at < length; ++at) {
            const struct {
                char16_t c;
                bool ascii;
                bool lineBreak;
            } marks[] = {{u'\r', true, true}, {u'\n', true, true}, {u'\x80', false, false}, {u'\u20ac', false, false}};
            for (const auto &m : marks) {
                QString marked = text;
                marked[at] = QChar(m.c);
                const noctalis::AsciiCopy seen = noctalis::copyAscii(marked, out.data());
                EXPECT_EQ(seen.ascii, m.ascii) << length << " " << at << " " << int(m.c);
                EXPECT_EQ(seen.lineBreak, m.lineBreak) << length << " " << at << " " << int(m.c);
            }
        }
    }
}

// Lines split eight characters a step and then one by one: CR LF, LF and a
// lone CR each end a line wherever they stand, in a step, across the end
// of one or in the rest.
TEST(LineReader, EndsLinesAtEveryBreakInStepsAndInTheRest)
{
    for (const int length : {1, 7, 8, 9, 15, 16, 17, 30}) {
        for (int at = 0; at < length; ++at) {
            for (const QString &lineEnd : {QStringLiteral("\r\n"), QStringLiteral("\n"), QStringLiteral("\r")}) {
                QString text(length, u'x');
                text.replace(at, 1, lineEnd);
                const QStringList expected = text.split(lineEnd);
                QStringList lines;
                noctalis::LineReader reader(text);
                while (!reader.atEnd())
                    lines << reader.next().toString();
                // A text that ends with its line end has no empty line after it.
                EXPECT_EQ(lines, at == length - 1 ? expected.first(1) : expected) << length << " " << at;
                EXPECT_EQ(reader.lineNumber(), lines.size());
            }
        }
    }
}
