#pragma once

#include "text/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace veldra::text
{

// A text file opened for reading by fields (see FieldScanner.h for the rules).
// The whole file is read at open; each field is decoded from Windows-1252 as it
// is taken.
class TextFileReader
{
public:
    TextFileReader() = default;
    explicit TextFileReader(QByteArray bytes)
        : m_data(std::move(bytes))
    {
    }

    // Reads the whole file; the error is the system's description.
    Status open(const QString &path);

    bool atEnd() const { return m_pos >= m_data.size(); }
    qsizetype position() const { return m_pos; }

    QString readField();
    // The next field's bytes as the file holds them (quotes removed), not
    // decoded: for readers that decode only the fields they need. Valid while
    // the reader lives.
    QByteArrayView readRawField();

private:
    QByteArray m_data;
    qsizetype m_pos = 0;
};

// The next field of the file; the caller tests atEnd() first.
inline QString ReadTextField(TextFileReader &file)
{
    return file.readField();
}

} // namespace veldra::text
