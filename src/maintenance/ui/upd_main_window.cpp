#include "maintenance/ui/upd_main_window.h"

#include "foundation/locations.h"
#include "foundation/prompt.h"
#include "foundation/version.h"
#include "maintenance/data_folder.h"
#include "maintenance/maintenance_commands.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtMath>

namespace kalmira {
namespace {

QFont fontOf(const QStringList &families, int pointSize, QFont::StyleHint hint)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSize(pointSize);
    font.setStyleHint(hint);
    return font;
}

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *result = new QPushButton(text, parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setAutoDefault(false);
    result->setMinimumSize(100, 26);
    return result;
}

// The instruction text, line by line.
QStringList instructionLines()
{
    return {
        QStringLiteral("Lépések, ha új verziót kíván telepíteni:"),
        QString(),
        QStringLiteral("1. Ellenőrizze, hogy egyetlen számítógépen se fusson az Kalmira program."),
        QStringLiteral("2. Nyomja meg a verzióváltás gombot a frissítéshez."),
        QStringLiteral("3. Nyomja meg a karbantartás gombot az adatbázis hibajavításához, "),
        QStringLiteral("optimalizálásához."),
        QString(),
        QStringLiteral("Lépések, ha adatbázisa sérült, vagy csak lassabban fut a program:"),
        QString(),
        QStringLiteral(
            "1. Ellenőrizze, hogy egyetlen számítógépen se működjön az Kalmira program."),
        QStringLiteral("2. Nyomja meg a karbantartás gombot az adatbázis hibajavításához, "),
        QStringLiteral("optimalizálásához."),
    };
}

} // namespace

Tfrm_Upd_Main::Tfrm_Upd_Main(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frm_Upd_Main"));
    setFont(fontOf(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
        9, QFont::SansSerif));
    buildLayout();
    FormCreate();
}

void Tfrm_Upd_Main::buildLayout()
{
    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    auto *caption = new QLabel(QStringLiteral("Adatbázis elérési útvonala"), this);
    caption->setObjectName(QStringLiteral("Label1"));

    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("Utvonal"));
    QFont bold = font();
    bold.setBold(true);
    m_path->setFont(bold);
    caption->setBuddy(m_path);

    m_karbantartas = button(QStringLiteral("&Karbantartás"), "Karbantartas", this);
    m_verziovaltas = button(QStringLiteral("&Verzióváltás"), "Verziovaltas", this);
    m_bezaras = button(QStringLiteral("&Bezárás"), "Bezaras", this);
    connect(m_karbantartas, &QPushButton::clicked, this, [this] { run(&Karbantartas); });
    connect(m_verziovaltas, &QPushButton::clicked, this, [this] { run(&Verziovaltas); });
    connect(m_bezaras, &QPushButton::clicked, this, &QWidget::close);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    m_instructions = new QPlainTextEdit(this);
    m_instructions->setObjectName(QStringLiteral("Utmutato"));
    m_instructions->setReadOnly(true);
    m_instructions->setFocusPolicy(Qt::NoFocus);
    m_instructions->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_instructions->setFont(
        fontOf({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                QStringLiteral("DejaVu Sans Mono")},
               10, QFont::TypeWriter));
    m_instructions->setPlainText(instructionLines().join(QLatin1Char('\n')));
    // The whole text shows without scrolling.
    QTextDocument measure;
    measure.setDefaultFont(m_instructions->font());
    measure.setDocumentMargin(m_instructions->document()->documentMargin());
    measure.setPlainText(m_instructions->toPlainText());
    const int frame = 2 * m_instructions->frameWidth() + 2;
    m_instructions->setFixedSize(qCeil(measure.idealWidth()) + frame,
                                 qCeil(measure.size().height()) + frame);
    m_instructions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_instructions->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("Allapot"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(1, 100);
    m_progress->setValue(1);
    m_progress->setTextVisible(false);

    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(caption, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_karbantartas);
    buttons->addWidget(m_verziovaltas);
    buttons->addWidget(m_bezaras);
    buttons->addStretch(1);
    auto *column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(m_path);
    column->addLayout(buttons);
    column->addWidget(m_instructions);
    column->addWidget(m_status);
    column->addWidget(m_progress);

    setTabOrder(m_path, m_karbantartas);
    setTabOrder(m_karbantartas, m_bezaras);
    setTabOrder(m_bezaras, m_verziovaltas);
    m_path->setFocus();
    setFixedSize(sizeHint());
}

void Tfrm_Upd_Main::FormCreate()
{
    setWindowTitle(QStringLiteral("Kalmira program adatbázis karbantartás V") +
                   QString::fromLatin1(ProgramVersion));
    chooseIniBesideProgram(locations());
    m_path->setText(configuredDataFolder());
}

void Tfrm_Upd_Main::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_centred && screen()) {
        m_centred = true;
        move(screen()->availableGeometry().center() - rect().center());
    }
}

void Tfrm_Upd_Main::closeEvent(QCloseEvent *event)
{
    // A command holds the database's lock until it has run to its end.
    if (m_busy)
        event->ignore();
    else
        event->accept();
}

void Tfrm_Upd_Main::run(Command command)
{
    setBusy(true);
    try {
        command(m_db, m_path->text(), *this);
    } catch (const Error &error) {
        m_db.close();
        ErrorBox(error.text());
    } catch (const std::exception &error) {
        m_db.close();
        ErrorBox(QString::fromLocal8Bit(error.what()));
    }
    setBusy(false);
}

void Tfrm_Upd_Main::setBusy(bool busy)
{
    m_busy = busy;
    for (QWidget *widget :
         {static_cast<QWidget *>(m_path), static_cast<QWidget *>(m_karbantartas),
          static_cast<QWidget *>(m_verziovaltas), static_cast<QWidget *>(m_bezaras)})
        widget->setEnabled(!busy);
}

void Tfrm_Upd_Main::setMaximum(int maximum)
{
    m_progress->setMaximum(maximum);
}

void Tfrm_Upd_Main::stepIt()
{
    m_progress->setValue(qMin(m_progress->value() + 1, m_progress->maximum()));
}

void Tfrm_Upd_Main::setStatus(const QString &text)
{
    m_status->setText(text);
    keepAlive();
}

void Tfrm_Upd_Main::reset()
{
    m_status->clear();
    m_progress->setValue(m_progress->minimum());
}

void Tfrm_Upd_Main::keepAlive()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace kalmira
