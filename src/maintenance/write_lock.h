#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace kalmira {

class Database;

// The database's write lock for the length of one maintenance command: one
// transaction that no other program can write into meanwhile. Left without
// commit(), the command's changes are rolled back.
class WriteLock
{
public:
    explicit WriteLock(Database &db) : m_db(db) {}
    ~WriteLock();
    WriteLock(const WriteLock &) = delete;
    WriteLock &operator=(const WriteLock &) = delete;

    // Begins the transaction, waiting up to waitMs for another program's
    // write to end; false when it does not. Throws Error for other failures.
    bool acquire(int waitMs);
    void commit();

private:
    Database &m_db;
    bool m_held = false;
};

// Runs one step of a command inside a savepoint of the command's transaction.
// When the step throws Error, its changes are undone and the error's text is
// returned; the transaction goes on.
std::optional<QString> runInSavepoint(Database &db, const std::function<void()> &step);

} // namespace kalmira
