#pragma once

// The field rules of the program's text files written the plain way, character
// by character on decoded text, to hold the byte scanner of the program against.

#include "text/CodePage.h"

#include <QFile>
#include <QString>

namespace testsupport
{

class ReferenceFieldReader
{
public:
    explicit ReferenceFieldReader(QString text = QString())
        : m_text(std::move(text))
    {
    }

    bool open(const QString &path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return false;
        m_text = veldra::text::DecodeAnsi(f.readAll());
        m_pos = 0;
        return true;
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    qsizetype position() const { return m_pos; }

    // Blanks skipped; a quoted field keeps its commas and line breaks; any other
    // field runs to the next comma or line end (CR LF, CR or LF), consumed.
    QString readField()
    {
        const qsizetype n = m_text.size();
        while (m_pos < n && IsBlank(m_text.at(m_pos)))
            ++m_pos;
        if (m_pos >= n)
            return QString();
        if (m_text.at(m_pos) == u'"') {
            const qsizetype start = m_pos + 1;
            const qsizetype close = m_text.indexOf(u'"', start);
            if (close < 0) {
                m_pos = n;
                return m_text.mid(start);
            }
            const QString field = m_text.mid(start, close - start);
            m_pos = close + 1;
            qsizetype after = m_pos;
            while (after < n && IsBlank(m_text.at(after)))
                ++after;
            if (after >= n) {
                m_pos = n;
            } else if (m_text.at(after) == u',') {
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
            if (c == u',') {
                const QString field = m_text.mid(start, m_pos - start);
                ++m_pos;
                return field;
            }
            if (IsLineEnd(c)) {
                const QString field = m_text.mid(start, m_pos - start);
                consumeLineEnd();
                return field;
            }
            ++m_pos;
        }
        return m_text.mid(start);
    }

private:
    static bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }
    static bool IsLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }
    void consumeLineEnd()
    {
        if (m_text.at(m_pos) == u'\r' && m_pos + 1 < m_text.size() && m_text.at(m_pos + 1) == u'\n')
            ++m_pos;
        ++m_pos;
    }

    QString m_text;
    qsizetype m_pos = 0;
};

} // namespace testsupport
