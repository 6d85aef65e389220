#include "store/WriteTransaction.h"

#include "store/Connection.h"

namespace veldra::store
{

WriteTransaction::WriteTransaction(Connection &connection)
    : m_connection(connection)
{
}

WriteTransaction::~WriteTransaction()
{
    if (m_open)
        (void)m_connection.run(QStringLiteral("ROLLBACK"));
}

Status WriteTransaction::begin()
{
    const Result<QSqlQuery> begun = m_connection.run(QStringLiteral("BEGIN IMMEDIATE"));
    if (!begun)
        return Error{begun.error()};
    m_open = true;
    return {};
}

Status WriteTransaction::commit()
{
    const Result<QSqlQuery> committed = m_connection.run(QStringLiteral("COMMIT"));
    if (!committed)
        return Error{committed.error()};
    m_open = false;
    return {};
}

} // namespace veldra::store
