#include "ChoiceMenu.h"

#include "Replaceable.h"

#include <QCursor>
#include <QMenu>

#include <utility>

namespace {

int AskRealMenu(QWidget* owner, const QStringList& choices)
{
    QMenu menu(owner);
    for (int i = 0; i < choices.size(); ++i) {
        if (choices[i].isEmpty())
            menu.addSeparator();
        else
            menu.addAction(choices[i])->setData(i);
    }
    const QAction* chosen = menu.exec(QCursor::pos());
    return chosen ? chosen->data().toInt() : -1;
}

Replaceable<ChoiceHandler>& CurrentHandler()
{
    static Replaceable<ChoiceHandler> handler(AskRealMenu);
    return handler;
}

} // namespace

int AskForChoice(QWidget* owner, const QStringList& choices)
{
    return CurrentHandler()(owner, choices);
}

ChoiceHandler SetChoiceHandler(ChoiceHandler handler)
{
    return CurrentHandler().Replace(std::move(handler));
}
