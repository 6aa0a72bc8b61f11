#include "shell/ui/widget_prompt.h"

#include "ledgers/ui/datumbe_dialog.h"
#include "ledgers/ui/idoszak_dialog.h"
#include "ledgers/ui/inp_str_dialog.h"
#include "ledgers/ui/inp_szam_dialog.h"
#include "ledgers/ui/negyedev_dialog.h"
#include "shell/ui/input_maszk_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace kalmira {
namespace {

QWidget *owner()
{
    return QApplication::activeWindow();
}

// Message boxes label their buttons in Hungarian whatever Qt's translation.
QVariant messageBox(QMessageBox::Icon icon, const Question &question)
{
    QMessageBox box(icon, question.caption, question.text, QMessageBox::NoButton, owner());
    if (question.kind == Ask::Kerdes) {
        QPushButton *yes = box.addButton(QStringLiteral("&Igen"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("&Nem"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.exec();
        return box.clickedButton() == yes;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return true;
}

// "Leírás (*.x)|*.x|..." pairs become Qt's "Leírás (*.x);;..." filters.
QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (%1)").arg(QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
        filters << description;
    }
    return filters.join(QStringLiteral(";;"));
}

QVariant saveFile(const Question &question)
{
    QFileDialog dialog(owner(), question.caption, question.value.toString(),
                       qtFilter(question.extra.value(QStringLiteral("filter")).toString()));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(question.extra.value(QStringLiteral("suffix")).toString());
    dialog.selectFile(question.value.toString());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QVariant openFile(const Question &question)
{
    const QString path = QFileDialog::getOpenFileName(
        owner(), question.caption, question.value.toString(),
        qtFilter(question.extra.value(QStringLiteral("filter")).toString()));
    return path.isEmpty() ? QVariant() : QVariant(path);
}

QVariant folder(const Question &question)
{
    const QString path = QFileDialog::getExistingDirectory(owner(), question.caption,
                                                           question.value.toString());
    return path.isEmpty() ? QVariant() : QVariant(path);
}

} // namespace

WidgetPrompt::WidgetPrompt()
{
    setHandler(Ask::Maszk, [](const Question &q) { return InputMaszkDialog::ask(q, owner()); });
    setHandler(Ask::SaveFile, saveFile);
    setHandler(Ask::OpenFile, openFile);
    setHandler(Ask::Folder, folder);
    setHandler(Ask::Str, [](const Question &q) { return Tfrm_InpStr::ask(q, owner()); });
    setHandler(Ask::Idoszak, [](const Question &q) { return Tfrm_Idoszak::ask(q, owner()); });
    setHandler(Ask::Negyedev, [](const Question &q) { return Tfrm_Negyedev::ask(q, owner()); });
    setHandler(Ask::Datum, [](const Question &q) { return Tfrm_Datumbe::ask(q, owner()); });
    setHandler(Ask::Szam, [](const Question &q) { return Tfrm_Inp::ask(q, owner()); });
}

void WidgetPrompt::setHandler(Ask kind, Handler handler)
{
    m_handlers.insert(int(kind), std::move(handler));
}

QVariant WidgetPrompt::ask(const Question &question)
{
    switch (question.kind) {
    case Ask::Kerdes:
        return messageBox(QMessageBox::Question, question);
    case Ask::Hiba:
    case Ask::AppError:
        return messageBox(QMessageBox::Critical, question);
    case Ask::Uzenet:
        return messageBox(QMessageBox::Information, question);
    default:
        break;
    }
    const auto handler = m_handlers.constFind(int(question.kind));
    if (handler == m_handlers.cend()) {
        qWarning("No dialog for question kind %d", int(question.kind));
        return {};
    }
    return (*handler)(question);
}

} // namespace kalmira
