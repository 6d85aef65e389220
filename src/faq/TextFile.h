#pragma once

#include <QString>

class QIODevice;

// A text file opened for reading by fields. The whole file is read and decoded
// from Windows-1252 at open; fields are then taken from memory.
class TextFileReader
{
public:
    TextFileReader() = default;
    explicit TextFileReader(QString text)
        : m_text(std::move(text))
    {
    }

    // Reads and decodes the whole file. On failure returns false with the
    // system's description in *error.
    bool open(const QString &path, QString *error = nullptr);

    bool atEnd() const { return m_pos >= m_text.size(); }
    qsizetype position() const { return m_pos; }
    const QString &text() const { return m_text; }

    // The next field: leading spaces and tabs skipped; a field in double quotes
    // keeps its commas and line breaks and loses the quotes; otherwise the field
    // runs to the next comma or line end (CR LF, CR or LF), which is consumed.
    QString readField();

private:
    void consumeLineEnd();
    QString m_text;
    qsizetype m_pos = 0;
};

inline QString ReadTextField(TextFileReader &file)
{
    return file.readField();
}

// Writes `text` in Windows-1252 followed by CR LF. Returns false when the write fails.
bool WriteTextLine(QIODevice &file, const QString &text);
