#include "app/fieldreader.h"

#include <QStringDecoder>

#include <array>
#include <utility>

namespace quorix {

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes keep their own code
// points, as Windows itself decodes them.
constexpr std::array<char16_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

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

FieldReader::FieldReader(QString text) : m_text(std::move(text)) {}

FieldReader FieldReader::fromBytes(const QByteArray &bytes)
{
    DecodedText decoded = decodeDataFile(bytes);
    FieldReader reader(std::move(decoded.text));
    reader.m_windows1252 = decoded.windows1252;
    return reader;
}

bool FieldReader::atLineEnd(qsizetype pos) const
{
    return pos < m_text.size() && (m_text[pos] == u'\n' || m_text[pos] == u'\r');
}

void FieldReader::skipLineEnd()
{
    if (m_text[m_pos] == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n')
        ++m_pos;
    ++m_pos;
    ++m_line;
}

void FieldReader::skipSeparator()
{
    if (atEnd())
        return;
    if (m_text[m_pos] == u',') {
        ++m_pos;
        m_atLineStart = false;
    } else {
        skipLineEnd();
        m_atLineStart = true;
    }
}

std::optional<Field> FieldReader::next()
{
    if (atEnd())
        return std::nullopt;

    const qsizetype size = m_text.size();
    const bool startedLine = m_atLineStart;
    while (m_pos < size && isBlank(m_text[m_pos]))
        ++m_pos;

    Field field;
    field.line = m_line;

    if (m_pos < size && m_text[m_pos] == u'"') {
        field.quoted = true;
        const qsizetype start = m_pos + 1;
        qsizetype close = start;
        while (close < size && m_text[close] != u'"') {
            if (atLineEnd(close)) {
                m_pos = close;
                skipLineEnd();
                close = m_pos;
            } else {
                ++close;
            }
        }
        field.text = m_text.mid(start, close - start);
        if (close >= size) {
            field.unclosedQuote = true;
            m_pos = size;
            return field;
        }
        m_pos = close + 1;
        while (m_pos < size && m_text[m_pos] != u',' && !atLineEnd(m_pos)) {
            if (!isBlank(m_text[m_pos]))
                field.trailingDiscarded = true;
            ++m_pos;
        }
        skipSeparator();
        return field;
    }

    const qsizetype start = m_pos;
    while (m_pos < size && m_text[m_pos] != u',' && !atLineEnd(m_pos))
        ++m_pos;
    qsizetype end = m_pos;
    while (end > start && isBlank(m_text[end - 1]))
        --end;
    field.text = m_text.mid(start, end - start);
    field.blankLine = startedLine && field.text.isEmpty() && (m_pos >= size || atLineEnd(m_pos));
    skipSeparator();
    return field;
}

bool FieldReader::onlyBlanksRemain() const
{
    for (qsizetype i = m_pos; i < m_text.size(); ++i) {
        const QChar c = m_text[i];
        if (!isBlank(c) && c != u'\n' && c != u'\r')
            return false;
    }
    return true;
}

int FieldReader::lastLine() const
{
    int lines = 1;
    const qsizetype size = m_text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (m_text[i] == u'\n' || (m_text[i] == u'\r' && (i + 1 >= size || m_text[i + 1] != u'\n')))
            ++lines;
    }
    if (size > 0 && (m_text.back() == u'\n' || m_text.back() == u'\r'))
        --lines;
    return lines;
}

} // namespace quorix
