#include "faq/ReadingTrail.h"

namespace veldra::faq
{

void ReadingTrail::read(const QString &path)
{
    if (path.isEmpty() || path == current())
        return;
    m_stops.erase(m_stops.begin() + (m_current + 1), m_stops.end());
    m_stops.append(path);
    if (m_stops.size() > kMaxStops)
        m_stops.removeFirst();
    m_current = m_stops.size() - 1;
}

std::optional<QString> ReadingTrail::back()
{
    if (!canGoBack())
        return std::nullopt;
    return m_stops.at(--m_current);
}

std::optional<QString> ReadingTrail::forward()
{
    if (!canGoForward())
        return std::nullopt;
    return m_stops.at(++m_current);
}

} // namespace veldra::faq
