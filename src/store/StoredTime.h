#pragma once

#include <QDateTime>
#include <QVariant>

namespace veldra::store
{

// Times are kept as milliseconds since 1970 UTC; an invalid time as NULL.
inline QVariant StoredTime(const QDateTime &when)
{
    return when.isValid() ? QVariant(when.toMSecsSinceEpoch()) : QVariant();
}

inline QDateTime TimeFromStore(const QVariant &value)
{
    return value.isNull() ? QDateTime() : QDateTime::fromMSecsSinceEpoch(value.toLongLong(), Qt::UTC);
}

} // namespace veldra::store
