#pragma once

#include <QStringView>

struct sqlite3;

namespace kalmira {

// Hungarian alphabetical order that ignores letter case: "cs" is a letter
// after "c", "ö" after "o", and a long vowel ties with its short one until
// every letter has been compared. Returns <0, 0 or >0.
int huCompare(QStringView a, QStringView b);
int huCompareUtf8(const char *a, int aLength, const char *b, int bLength);

// Registers huCompare as the collation "HU_CI" on an open SQLite handle.
bool registerHuCollation(sqlite3 *handle);

} // namespace kalmira
