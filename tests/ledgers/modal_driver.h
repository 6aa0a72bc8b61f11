#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace kalmira::test {

// Plays a step on the next modal window of class W once it is up and active,
// from the event loop that window runs. ran() tells whether it came and
// closed its window. Nothing hangs: a window that never comes drops the step
// after a few seconds (closing whatever modal window is up), a window the
// step leaves up is closed, and a step not played by the end of its scope
// never plays.
template <typename W> class OnModal
{
public:
    explicit OnModal(std::function<void(W *)> step)
        : m_state(std::make_shared<State>()), m_timer(std::make_unique<QTimer>())
    {
        m_timer->setInterval(10);
        QTimer *timer = m_timer.get();
        QObject::connect(timer, &QTimer::timeout, timer, [state = m_state, timer, step] {
            auto *window = qobject_cast<W *>(QApplication::activeModalWidget());
            if (window && window->isVisible()) {
                // The offscreen platform may leave a new dialog inactive.
                if (!window->isActiveWindow() && ++state->ticks % 10 != 0) {
                    window->activateWindow();
                    return;
                }
                timer->stop();
                state->ran = true;
                QPointer<W> guard(window);
                step(window);
                if (guard && guard->isVisible()) {
                    state->leftOpen = true;
                    guard->close();
                }
            } else if (++state->ticks > 500) {
                timer->stop();
                if (QWidget *stray = QApplication::activeModalWidget())
                    stray->close();
            }
        });
        m_timer->start();
    }
    bool ran() const { return m_state->ran && !m_state->leftOpen; }

private:
    struct State
    {
        bool ran = false;
        bool leftOpen = false;
        int ticks = 0;
    };
    std::shared_ptr<State> m_state;
    std::unique_ptr<QTimer> m_timer;
};

} // namespace kalmira::test
