#pragma once

#include <QDate>
#include <QString>

// The five input dialogs, asked through the prompt seam. Each returns true
// on OK with the in/out arguments updated, false on cancel with them unchanged.
namespace kalmira {

bool InputStr(const QString &caption, const QString &prompt, QString &text, const QString &mask);
bool InputIdoszak(QString &tol, QString &ig);
bool InputNegyedev(QString &negyedev);
bool InputDatum(QDate &date, const QString &caption);
bool InputSzam(const QString &caption, const QString &prompt, double &value);

// The mask of a period code, "yyyy.mm" on screen and "yyyymm" as a value.
inline constexpr const char *IdoszakMaszk = "AAAA.AA;0;_";
inline constexpr const char *NegyedevMaszk = "0000.0;0;_";

} // namespace kalmira
