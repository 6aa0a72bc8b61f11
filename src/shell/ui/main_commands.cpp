// The handlers of the main window's commands.
#include "foundation/beall.h"
#include "foundation/clock.h"
#include "foundation/input_prompts.h"
#include "foundation/prompt.h"
#include "shell/archive.h"
#include "shell/beallit_loader.h"
#include "shell/font_size.h"
#include "shell/ui/beallit_dialog.h"
#include "shell/ui/main_window.h"
#include "shell/ui/mdi_children.h"

#include <QAction>

#include <exception>
#include <optional>

namespace kalmira {

void Tfrm_Main::connectCommands()
{
    const auto on = [this](const char *name, auto handler) {
        connect(command(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, handler] { runCommand([this, handler] { (this->*handler)(); }); });
    };
    const auto hook = [this](const char *name, CommandHooks::Window CommandHooks::*member) {
        connect(command(QString::fromLatin1(name)), &QAction::triggered, this, [this, member] {
            runCommand([this, member] {
                if (m_hooks.*member)
                    (m_hooks.*member)();
            });
        });
    };
    const auto report = [this](const char *name, CommandHooks::Report CommandHooks::*member) {
        connect(command(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, member] { runCommand([this, member] { runReport(m_hooks.*member); }); });
    };

    on("aBevetel", &Tfrm_Main::aBevetelExecute);
    hook("aAdo", &CommandHooks::adok);
    hook("aJarulek", &CommandHooks::jarulekok);
    on("aKiadas", &Tfrm_Main::aKiadasExecute);
    connect(command(QStringLiteral("aBezar")), &QAction::triggered, this, &QWidget::close);
    on("aFelhasznalo", &Tfrm_Main::aFelhasznaloExecute);
    on("aSQL", &Tfrm_Main::aSQLExecute);
    on("aArchiv", &Tfrm_Main::aArchivExecute);
    on("aBeallit", &Tfrm_Main::aBeallitExecute);
    hook("aSugo", &CommandHooks::sugo);
    hook("aFontos", &CommandHooks::fontos);
    hook("aHonlap", &CommandHooks::honlap);
    hook("aLevel", &CommandHooks::level);
    hook("aUjdonsag", &CommandHooks::ujdonsag);
    hook("aNevjegy", &CommandHooks::nevjegy);
    report("aNyomNyereseg", &CommandHooks::nyereseg);
    report("aChBevetel", &CommandHooks::chBevetel);
    report("aChBevMegoszlas", &CommandHooks::chBevMegoszlas);
    report("aChNyereseg", &CommandHooks::chNyereseg);
    connect(command(QStringLiteral("WindowCascade1")), &QAction::triggered, m_children,
            &MdiChildren::cascade);
    connect(command(QStringLiteral("WindowTileHorizontal1")), &QAction::triggered, m_children,
            &MdiChildren::tileHorizontally);
    connect(command(QStringLiteral("WindowTileVertical1")), &QAction::triggered, m_children,
            &MdiChildren::tileVertically);
    on("aBetuNovel", &Tfrm_Main::aBetuNovelExecute);
    on("aBetuCsokkent", &Tfrm_Main::aBetuCsokkentExecute);
}

// No failure leaves a command through the event loop: the storage's text is
// shown under the program's title and the window stays as it was.
void Tfrm_Main::runCommand(const std::function<void()> &work)
{
    try {
        work();
    } catch (const Error &error) {
        ErrorBox(error.text());
    } catch (const std::exception &error) {
        ErrorBox(QString::fromLocal8Bit(error.what()));
    }
}

bool Tfrm_Main::hasRight(bool right)
{
    if (!right)
        HibaBox(QStringLiteral("Nincs jogosultság a művelethez."));
    return right;
}

// Reports and charts ask for a period range, January to December of the
// current year at first; a cancelled range does nothing.
void Tfrm_Main::runReport(const CommandHooks::Report &report)
{
    const QString year = QString::number(Clock::today().year());
    QString tol = year + QStringLiteral("01");
    QString ig = year + QStringLiteral("12");
    if (!InputIdoszak(tol, ig))
        return;
    if (report)
        report(tol, ig);
}

void Tfrm_Main::aBevetelExecute()
{
    m_children->open(QStringLiteral("frm_Bevetel"));
}

void Tfrm_Main::aKiadasExecute()
{
    m_children->open(QStringLiteral("frm_Kiadas"));
}

void Tfrm_Main::aFelhasznaloExecute()
{
    if (hasRight(Beall.rendszergazda) && m_hooks.felhasznalok)
        m_hooks.felhasznalok();
}

void Tfrm_Main::aSQLExecute()
{
    if (hasRight(Beall.rendszergazda) && m_hooks.sql)
        m_hooks.sql();
}

void Tfrm_Main::aArchivExecute()
{
    archiveDatabase(m_db);
}

// The settings are loaded again whether the dialog was confirmed or not.
void Tfrm_Main::aBeallitExecute()
{
    if (!hasRight(Beall.rendszergazda))
        return;
    std::optional<QString> failure;
    try {
        EditBeallit(this, m_db);
    } catch (const Error &error) {
        failure = error.text();
    }
    try {
        LoadBeallit(m_db);
    } catch (const Error &error) {
        if (!failure)
            failure = error.text();
    }
    if (failure)
        ErrorBox(*failure);
}

void Tfrm_Main::aBetuNovelExecute()
{
    Beall.BetuMeret = BetuNovel(Beall.BetuMeret);
    applyFontSize();
}

void Tfrm_Main::aBetuCsokkentExecute()
{
    Beall.BetuMeret = BetuCsokkent(Beall.BetuMeret);
    applyFontSize();
}

} // namespace kalmira
