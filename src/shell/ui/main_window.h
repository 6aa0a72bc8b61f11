#pragma once

#include "foundation/database.h"
#include "foundation/presence_mark.h"

#include <QMainWindow>

class QLabel;
class QMdiArea;

namespace kalmira {

// The main window: owns the connection to the books and the MDI area of the
// ledger windows. Creating it runs the start-up, closing it the shutdown.
class Tfrm_Main : public QMainWindow
{
    Q_OBJECT
public:
    explicit Tfrm_Main(QWidget *parent = nullptr);
    ~Tfrm_Main() override;

    Database &database() { return m_db; }
    QMdiArea *mdiArea() const { return m_mdi; }
    // False when the login was refused and the program is to end.
    bool admitted() const { return m_admitted; }

    void DisplayHint(const QString &hint);
    QString hintText() const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    bool FormClose();
    void buildStatusBar();

    Database m_db{QStringLiteral("Ostrel")};
    PresenceMark m_presence;
    QMdiArea *m_mdi;
    QLabel *m_panels[3] = {};
    bool m_admitted = true;
    bool m_shown = false;
};

} // namespace kalmira
