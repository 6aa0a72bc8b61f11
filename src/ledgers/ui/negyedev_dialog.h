#pragma once

#include "foundation/prompt.h"

#include <QDialog>

namespace kalmira {

class MaskedEdit;

// A quarter code typed as "yyyy.q"; the quarter digit is not limited to 1-4.
class Tfrm_Negyedev : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Negyedev(QWidget *parent = nullptr);

    void setNegyedev(const QString &negyedev);
    QString negyedev() const;
    void accept() override;

    // Prompt-seam handler: the five-character code, invalid on cancel.
    static QVariant ask(const Question &question, QWidget *parent);

private:
    MaskedEdit *eNegyedev;
};

} // namespace kalmira
