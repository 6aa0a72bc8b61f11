#pragma once

#include "foundation/prompt.h"

#include <QDialog>

class QLabel;

namespace kalmira {

class MaskedEdit;

// One masked text, such as a period code typed as "2006.02". Letters keep
// the case they are typed in.
class Tfrm_InpStr : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_InpStr(QWidget *parent = nullptr);

    void setUp(const QString &caption, const QString &prompt, const QString &text,
               const QString &mask);
    QString text() const;
    void accept() override;

    // Prompt-seam handler: the text as the mask gives it, invalid on cancel.
    static QVariant ask(const Question &question, QWidget *parent);

private:
    QLabel *Label1;
    MaskedEdit *Edit1;
};

} // namespace kalmira
