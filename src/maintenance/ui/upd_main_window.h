#pragma once

#include "foundation/database.h"
#include "maintenance/maintenance_progress.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace kalmira {

// The maintenance tool's one window: the data folder, the two commands and
// their progress. A command runs to its end before the window takes input
// again; closing the window ends the program.
class Tfrm_Upd_Main : public QWidget, public MaintenanceProgress
{
    Q_OBJECT
public:
    explicit Tfrm_Upd_Main(QWidget *parent = nullptr);

    void setMaximum(int maximum) override;
    void stepIt() override;
    void setStatus(const QString &text) override;
    void reset() override;
    void keepAlive() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    using Command = void (*)(Database &, const QString &, MaintenanceProgress &);

    void FormCreate();
    void buildLayout();
    void run(Command command);
    void setBusy(bool busy);

    Database m_db{QStringLiteral("Tk5")};
    QLineEdit *m_path;
    QPushButton *m_karbantartas;
    QPushButton *m_verziovaltas;
    QPushButton *m_bezaras;
    QPlainTextEdit *m_instructions;
    QLabel *m_status;
    QProgressBar *m_progress;
    bool m_busy = false;
    bool m_centred = false;
};

} // namespace kalmira
