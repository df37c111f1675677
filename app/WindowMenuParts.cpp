#include "WindowMenuParts.h"

const std::vector<CommandTable::MenuPart>& WindowMenuParts()
{
    static const std::vector<CommandTable::MenuPart> parts{
        {QStringLiteral("Scan"), {MenuGroup::Load, MenuGroup::Scan}},
        {QStringLiteral("View"), {MenuGroup::View}, {{QStringLiteral("Look"), {MenuGroup::Look}}}},
        {QStringLiteral("Go"), {MenuGroup::Open, MenuGroup::Go, MenuGroup::Path}},
        {QStringLiteral("Directory"), {MenuGroup::Target, MenuGroup::Entry, MenuGroup::Root}},
        {QStringLiteral("Help"), {MenuGroup::Help}},
        {QString(), {MenuGroup::Quit}},
    };
    return parts;
}
