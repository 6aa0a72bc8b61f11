#pragma once

#include "foundation/prompt.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace kalmira {

// The one-line masked input built at run time, measured in dialog units of
// its font so that it scales with the font size.
class InputMaszkDialog : public QDialog
{
    Q_OBJECT
public:
    InputMaszkDialog(const QString &caption, const QString &prompt, const QString &mask,
                     const QString &value, QWidget *parent = nullptr);
    QString value() const;

    // The text as the mask returns it, or an invalid QVariant on cancel.
    static QVariant ask(const Question &question, QWidget *parent);

private:
    QLabel *m_label;
    QLineEdit *m_edit;
    QString m_mask;
};

} // namespace kalmira
