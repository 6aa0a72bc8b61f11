#pragma once

#include <QString>

// Remembered window places in Kalmira.ini, one section per window name.
namespace kalmira {

void LoadPozicio(const QString &name, int &left, int &top);
void SavePozicio(const QString &name, int left, int top);
// height and width come in as the design size, the defaults.
void LoadMeret(const QString &name, int &left, int &top, int &height, int &width);
void SaveMeret(const QString &name, int left, int top, int height, int width);

} // namespace kalmira
