#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <memory>

class QTextDocument;

namespace veldra::rtf
{

class RtfParser;

// Reads an RTF document into `doc` (which is cleared first), formatted. Never
// throws, never crashes on malformed input: what could be read is shown.
// Returns false when the data is not RTF at all.
bool ReadRtf(QByteArrayView data, QTextDocument *doc);

// Reads an RTF document into `doc` a slice of time at a time, so that the
// caller can let its event loop run between the slices. The document is
// complete, and its changes reported, when read() returns true.
class RtfLoader
{
public:
    RtfLoader(QByteArray data, QTextDocument *doc);
    ~RtfLoader();
    RtfLoader(const RtfLoader &) = delete;
    RtfLoader &operator=(const RtfLoader &) = delete;

    // Reads on for about `budgetMs` milliseconds. True when done.
    bool read(qint64 budgetMs);
    bool done() const { return !m_parser; }

private:
    QByteArray m_data;
    std::unique_ptr<RtfParser> m_parser;
};

} // namespace veldra::rtf
