#pragma once

#include "foundation/database.h"
#include "support/test_env.h"

#include <memory>

namespace kalmira::test {

// A fresh book for each test function: a temporary base folder with the
// Hungarian locale and a fixed clock (2006-05-31 unless given), and a new
// database in it. A test class derives from it beside QObject, opens the
// books in init() and closes them in cleanup().
class BooksFixture
{
protected:
    void openBooks(const QString &connection, QDate today = QDate(2006, 5, 31))
    {
        env = std::make_unique<TestEnv>(today);
        db = std::make_unique<Database>(connection);
        db->open(env->dataFolder(), Database::Missing::Create);
    }
    // The database closes before its folder goes.
    void closeBooks()
    {
        db.reset();
        env.reset();
    }

    std::unique_ptr<TestEnv> env;
    std::unique_ptr<Database> db;
};

} // namespace kalmira::test
