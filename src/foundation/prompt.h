#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <optional>

namespace kalmira {

// Everything the program asks or tells the user goes through one Prompt: the
// program's prompt shows modal dialogs, the tests' prompt answers from a
// script and records what was asked.
enum class Ask {
    Kerdes,    // yes/no question: answer bool
    Hiba,      // error box "Hiba": no answer
    Uzenet,    // message box "Üzenet": no answer
    AppError,  // error box captioned with the program's title: no answer
    Maszk,     // masked one-line input: answer QString
    SaveFile,  // save-file dialog: answer QString path
    OpenFile,  // open-file dialog: answer QString path
    Folder,    // folder chooser: answer QString path
    Str,       // InputStr: answer QString as the mask gives it
    Idoszak,   // InputIdoszak, a period range: answer QStringList {from, to}
    Negyedev,  // InputNegyedev: answer QString "yyyyq"
    Datum,     // InputDatum: answer QDate
    Szam,      // InputSzam: answer double
};

struct Question
{
    Ask kind;
    QString caption;
    QString text;       // message or prompt
    QVariant value;     // starting value of an input
    QVariantMap extra;  // kind-specific: "mask", "filter", "suffix"
};

class Prompt
{
public:
    virtual ~Prompt() = default;
    // The answer, or an invalid QVariant when the user cancelled.
    virtual QVariant ask(const Question &question) = 0;
};

// The prompt of the run; installing one returns the previous.
Prompt &prompt();
Prompt *setPrompt(Prompt *prompt);

// The program's title, also the caption of its unexpected-error box.
QString &applicationTitle();

bool KerdesBox(const QString &text, const QString &caption);
void HibaBox(const QString &text);
void UzenetBox(const QString &text);
// Shows an unexpected failure's text, with its full stop, under the program's title.
void ErrorBox(const QString &text);
bool InputMaszk(const QString &caption, const QString &prompt, const QString &mask, QString &value);
std::optional<QString> SaveFileName(const QString &title, const QString &filter,
                                    const QString &suffix, const QString &proposedPath);

} // namespace kalmira
