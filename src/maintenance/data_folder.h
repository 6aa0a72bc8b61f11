#pragma once

#include <QString>

#include <optional>

namespace kalmira {

// The data folder the configuration file names, for the path box: the key
// Utvonal of the section Adatbazis, as written, or PrgUtvonal + "/Data". The
// file is only read.
QString configuredDataFolder();

// The path box's text as a data folder: one trailing separator dropped. None
// when the text is empty, names no folder, or the folder holds no database.
std::optional<QString> existingDataFolder(const QString &pathText);

} // namespace kalmira
