#pragma once

#include "foundation/prompt.h"

#include <QDialog>

namespace kalmira {

class MaskedEdit;

// A range of period codes, "tól" and "ig", each typed as "yyyy.mm". A from
// code later than the to code is handed back as typed.
class Tfrm_Idoszak : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Idoszak(QWidget *parent = nullptr);

    void setRange(const QString &tol, const QString &ig);
    QString tol() const;
    QString ig() const;
    void accept() override;

    // Prompt-seam handler: QStringList {from, to}, invalid on cancel.
    static QVariant ask(const Question &question, QWidget *parent);

private:
    MaskedEdit *eTol;
    MaskedEdit *eIg;
};

} // namespace kalmira
