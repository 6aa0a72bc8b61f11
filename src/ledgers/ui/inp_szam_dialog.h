#pragma once

#include "foundation/prompt.h"

#include <QDialog>

class QAction;
class QLabel;
class QLineEdit;

namespace kalmira {

// One number in a right-aligned field. Typing takes only digits, ",", "-"
// and "."; pasted text goes in as it is and is judged when accepted.
class Tfrm_Inp : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Inp(QWidget *parent = nullptr);

    void setUp(const QString &caption, const QString &prompt, double value);
    double value() const { return m_value; }

    // Prompt-seam handler: the number as a double, invalid on cancel.
    static QVariant ask(const Question &question, QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void aElfogadExecute();

    QLabel *Label1;
    QLineEdit *Edit1;
    QAction *aElfogad;
    QAction *aMegsem;
    double m_value = 0;
};

} // namespace kalmira
