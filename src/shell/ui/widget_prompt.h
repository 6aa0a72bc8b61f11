#pragma once

#include "foundation/prompt.h"

#include <QHash>

#include <functional>

namespace kalmira {

// The program's prompt: real modal dialogs over the active window. Input
// dialogs of other windows register themselves for their kind of question.
class WidgetPrompt final : public Prompt
{
public:
    using Handler = std::function<QVariant(const Question &)>;

    WidgetPrompt();
    QVariant ask(const Question &question) override;
    void setHandler(Ask kind, Handler handler);

private:
    QHash<int, Handler> m_handlers;
};

} // namespace kalmira
