#pragma once

namespace kalmira {

class Database;

// Copies the firm settings other windows need from the beallit row into
// Beall: vanbelep, evaszorzo, eva and the EVA type's name.
void LoadBeallit(Database &db);

} // namespace kalmira
