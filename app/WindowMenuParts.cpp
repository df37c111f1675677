#include "WindowMenuParts.h"

#include <QCoreApplication>

std::vector<CommandTable::MenuPart> WindowMenuParts()
{
    return {
        {QCoreApplication::translate("WindowMenuParts", "Scan"), {MenuGroup::Load, MenuGroup::Scan}},
        {QCoreApplication::translate("WindowMenuParts", "View"),
         {MenuGroup::View},
         {{QCoreApplication::translate("WindowMenuParts", "Look"), {MenuGroup::Look}}}},
        {QCoreApplication::translate("WindowMenuParts", "Go"), {MenuGroup::Open, MenuGroup::Go, MenuGroup::Path}},
        {QCoreApplication::translate("WindowMenuParts", "Directory"),
         {MenuGroup::Target, MenuGroup::Entry, MenuGroup::Root}},
        {QCoreApplication::translate("WindowMenuParts", "Help"), {MenuGroup::Help}},
        {QString(), {MenuGroup::Quit}},
    };
}
