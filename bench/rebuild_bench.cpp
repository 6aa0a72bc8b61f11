// kalmira_rebuild_bench <data folder>
// Times the index rebuild on a copy of real-sized books: the moment of every
// progress step, how often the window would be let repaint, and the total.
#include "foundation/database.h"
#include "foundation/prompt.h"
#include "maintenance/maintenance_commands.h"
#include "maintenance/maintenance_progress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

namespace {

QTextStream out(stdout);

class PrintedPrompt final : public kalmira::Prompt
{
public:
    QVariant ask(const kalmira::Question &question) override
    {
        out << "[" << question.caption << "] " << question.text << Qt::endl;
        return true;
    }
};

class TimedProgress final : public kalmira::MaintenanceProgress
{
public:
    TimedProgress() { m_clock.start(); }
    void setMaximum(int maximum) override { out << "maximum " << maximum << Qt::endl; }
    void stepIt() override { ++m_position; }
    void setStatus(const QString &text) override
    {
        out << QString::asprintf("%8.2f s  step %2d  ", m_clock.elapsed() / 1000.0, m_position)
            << text << Qt::endl;
    }
    void reset() override
    {
        out << QString::asprintf("%8.2f s  reset", m_clock.elapsed() / 1000.0) << Qt::endl;
    }
    void keepAlive() override
    {
        const qint64 now = m_clock.elapsed();
        m_longestGap = qMax(m_longestGap, now - m_last);
        m_last = now;
        ++m_ticks;
    }
    qint64 ticks() const { return m_ticks; }
    qint64 longestGap() const { return m_longestGap; }

private:
    QElapsedTimer m_clock;
    int m_position = 1;
    qint64 m_ticks = 0;
    qint64 m_last = 0;
    qint64 m_longestGap = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: kalmira_rebuild_bench <data folder>\n";
        return 2;
    }
    PrintedPrompt prompt;
    kalmira::setPrompt(&prompt);
    TimedProgress progress;
    QElapsedTimer total;
    total.start();
    kalmira::Database db(QStringLiteral("Tk5"));
    try {
        kalmira::Karbantartas(db, QString::fromLocal8Bit(argv[1]), progress);
    } catch (const kalmira::Error &error) {
        out << "error: " << error.text() << Qt::endl;
        return 1;
    }
    out << "total " << total.elapsed() << " ms; window let repaint " << progress.ticks()
        << " times, longest gap " << progress.longestGap() << " ms" << Qt::endl;
    return 0;
}
