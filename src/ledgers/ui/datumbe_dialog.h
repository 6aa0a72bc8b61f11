#pragma once

#include "foundation/prompt.h"

#include <QDate>
#include <QDialog>

class QDateEdit;

namespace kalmira {

// One calendar date, picked with up and down arrows.
class Tfrm_Datumbe : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Datumbe(QWidget *parent = nullptr);

    // An empty caption shows "Dátum megadása".
    void setUp(QDate date, const QString &caption);
    QDate date() const;

    // Prompt-seam handler: the QDate picked, invalid on cancel.
    static QVariant ask(const Question &question, QWidget *parent);

private:
    QDateEdit *eAlso;
};

} // namespace kalmira
