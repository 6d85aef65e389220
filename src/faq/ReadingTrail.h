#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace veldra::faq
{

// The documents read in this session, in the order they were read, and where
// going back and forward stands among them, as a browser keeps its pages:
// reading a document while standing back drops the ones ahead. Holds the
// local copies' paths; at most kMaxStops, the oldest going first.
class ReadingTrail
{
public:
    static constexpr int kMaxStops = 100;

    // A document was read (downloaded or opened): it becomes the current stop.
    // Reading the current one again changes nothing.
    void read(const QString &path);

    // Moves one stop back or forward and gives its path; nothing at either end.
    std::optional<QString> back();
    std::optional<QString> forward();

    bool canGoBack() const { return m_current > 0; }
    bool canGoForward() const { return m_current + 1 < m_stops.size(); }
    // The current stop's path, empty before the first read.
    QString current() const { return m_current >= 0 ? m_stops.at(m_current) : QString(); }

private:
    QStringList m_stops;
    qsizetype m_current = -1;
};

} // namespace veldra::faq
