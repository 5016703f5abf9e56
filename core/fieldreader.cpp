// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fieldreader.h"

#include "core/datafile.h"

#include <QStringDecoder>

#include <array>
#include <utility>

namespace quorix {

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes keep their own code
// points, as Windows itself decodes them.
// clang-format off
constexpr std::array<char16_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
// clang-format on

QString decodeWindows1252(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *dst++ = (b >= 0x80 && b <= 0x9F) ? QChar(windows1252High[b - 0x80]) : QChar(b);
    }
    return out;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

bool closesField(QChar c)
{
    return c == u',' || isLineEnd(c);
}

// CR LF counts once, like a lone CR or LF.
int lineEnds(QStringView text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n')))
            ++count;
    }
    return count;
}

} // namespace

DecodedText decodeDataFile(const QByteArray &bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);

    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return {std::move(text), false};
    return {decodeWindows1252(view), true};
}

FieldReader::FieldReader(QString text) : m_text(std::move(text))
{
    m_lastContent = m_text.size() - 1;
    while (m_lastContent >= 0 && (isBlank(m_text.at(m_lastContent)) || isLineEnd(m_text.at(m_lastContent))))
        --m_lastContent;
}

FieldReader FieldReader::fromBytes(const QByteArray &bytes)
{
    DecodedText decoded = decodeDataFile(bytes);
    FieldReader reader(std::move(decoded.text));
    reader.m_windows1252 = decoded.windows1252;
    return reader;
}

void FieldReader::skipLineEnd()
{
    if (m_text.at(m_pos) == u'\r' && m_pos + 1 < m_text.size() && m_text.at(m_pos + 1) == u'\n')
        ++m_pos;
    ++m_pos;
    ++m_line;
}

void FieldReader::skipSeparator()
{
    if (atEnd())
        return;
    if (m_text.at(m_pos) == u',') {
        ++m_pos;
        m_atLineStart = false;
    } else {
        skipLineEnd();
        m_atLineStart = true;
    }
}

std::optional<FieldReader::Span> FieldReader::nextSpan()
{
    if (atEnd())
        return std::nullopt;

    const qsizetype size = m_text.size();
    const bool startedLine = m_atLineStart;
    while (m_pos < size && isBlank(m_text.at(m_pos)))
        ++m_pos;

    Span span;
    span.flags.line = m_line;

    if (m_pos < size && m_text.at(m_pos) == u'"') {
        span.flags.quoted = true;
        span.start = m_pos + 1;
        qsizetype close = m_text.indexOf(u'"', span.start);
        if (close < 0)
            close = size;
        span.length = close - span.start;
        m_line += lineEnds(QStringView(m_text).sliced(span.start, span.length));
        if (close >= size) {
            span.flags.unclosedQuote = true;
            m_pos = size;
            return span;
        }
        m_pos = close + 1;
        while (m_pos < size && !closesField(m_text.at(m_pos))) {
            if (!isBlank(m_text.at(m_pos)))
                span.flags.trailingDiscarded = true;
            ++m_pos;
        }
        skipSeparator();
        return span;
    }

    span.start = m_pos;
    qsizetype stop = span.start;
    while (stop < size && !closesField(m_text.at(stop)))
        ++stop;
    m_pos = stop;
    while (stop > span.start && isBlank(m_text.at(stop - 1)))
        --stop;
    span.length = stop - span.start;
    span.flags.blankLine = startedLine && span.length == 0 && (m_pos >= size || isLineEnd(m_text.at(m_pos)));
    skipSeparator();
    return span;
}

std::optional<Field> FieldReader::next()
{
    std::optional<Span> span = nextSpan();
    if (!span)
        return std::nullopt;
    Field field = std::move(span->flags);
    field.text = m_text.mid(span->start, span->length);
    return field;
}

std::optional<QString> FieldReader::overlongField() const
{
    FieldReader ahead(*this);
    while (const auto span = ahead.nextSpan()) {
        if (span->length > MaxFieldLength) {
            return QStringLiteral("the field on line %1 is longer than %2 characters, far longer than any "
                                  "title or statement: \"%3\"")
                .arg(span->flags.line)
                .arg(MaxFieldLength)
                .arg(excerpt(QStringView(m_text).sliced(span->start, span->length)));
        }
    }
    return std::nullopt;
}

bool FieldReader::onlyBlanksRemain() const
{
    return m_pos > m_lastContent;
}

int FieldReader::lastLine() const
{
    const qsizetype size = m_text.size();
    const bool endsWithLineEnd = size > 0 && isLineEnd(m_text.at(size - 1));
    return 1 + lineEnds(m_text) - (endsWithLineEnd ? 1 : 0);
}

} // namespace quorix
