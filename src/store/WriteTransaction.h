#pragma once

#include "text/Result.h"

namespace veldra::store
{

class Connection;

// One write transaction. It takes the write lock when it begins (BEGIN
// IMMEDIATE), waiting for another connection's transaction to end: a
// transaction that read first and asked for the lock later could instead fail
// when another connection wrote in between. Rolled back unless committed.
class WriteTransaction
{
public:
    explicit WriteTransaction(Connection &connection);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction &) = delete;
    WriteTransaction &operator=(const WriteTransaction &) = delete;

    Status begin();
    Status commit();

private:
    Connection &m_connection;
    bool m_open = false;
};

} // namespace veldra::store
