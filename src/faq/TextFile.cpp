#include "faq/TextFile.h"

#include "platform/CodePage.h"

#include <QFile>

bool TextFileReader::open(const QString &path, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = f.errorString();
        return false;
    }
    const QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        if (error)
            *error = f.errorString();
        return false;
    }
    m_text = platform::DecodeAnsi(data);
    m_pos = 0;
    return true;
}

void TextFileReader::consumeLineEnd()
{
    if (m_pos >= m_text.size())
        return;
    if (m_text.at(m_pos) == QLatin1Char('\r')) {
        ++m_pos;
        if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('\n'))
            ++m_pos;
    } else if (m_text.at(m_pos) == QLatin1Char('\n')) {
        ++m_pos;
    }
}

static inline bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

static inline bool IsLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

QString TextFileReader::readField()
{
    const qsizetype n = m_text.size();
    while (m_pos < n && IsBlank(m_text.at(m_pos)))
        ++m_pos;
    if (m_pos >= n)
        return QString();

    if (m_text.at(m_pos) == QLatin1Char('"')) {
        const qsizetype start = m_pos + 1;
        qsizetype close = m_text.indexOf(QLatin1Char('"'), start);
        if (close < 0) {
            m_pos = n;
            return m_text.mid(start);
        }
        QString field = m_text.mid(start, close - start);
        m_pos = close + 1;
        qsizetype after = m_pos;
        while (after < n && IsBlank(m_text.at(after)))
            ++after;
        if (after >= n) {
            m_pos = n;
        } else if (m_text.at(after) == QLatin1Char(',')) {
            m_pos = after + 1;
        } else if (IsLineEnd(m_text.at(after))) {
            m_pos = after;
            consumeLineEnd();
        }
        return field;
    }

    const qsizetype start = m_pos;
    while (m_pos < n) {
        const QChar c = m_text.at(m_pos);
        if (c == QLatin1Char(',')) {
            QString field = m_text.mid(start, m_pos - start);
            ++m_pos;
            return field;
        }
        if (IsLineEnd(c)) {
            QString field = m_text.mid(start, m_pos - start);
            consumeLineEnd();
            return field;
        }
        ++m_pos;
    }
    return m_text.mid(start);
}

bool WriteTextLine(QIODevice &file, const QString &text)
{
    QByteArray line = platform::EncodeAnsi(text);
    line.append("\r\n", 2);
    return file.write(line) == line.size();
}
