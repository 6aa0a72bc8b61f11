#pragma once

namespace kalmira {

// Reads Kalmira.ini (locations().IniUtvonal) into Beall and checks the
// folders; a data folder that does not exist is reported and replaced by
// the default one.
void LoadIni();

// Writes Beall's configuration values and the main window's bounds; false
// when the file cannot be written.
bool SaveIni(int left, int top, int height, int width);

} // namespace kalmira
