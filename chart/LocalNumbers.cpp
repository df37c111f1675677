#include "LocalNumbers.h"

#include <QCoreApplication>
#include <QLocale>

NumberMarks LocaleNumberMarks()
{
    const QLocale locale;
    return {locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString()};
}

QString LocalBytes(std::int64_t value)
{
    return QString::fromStdString(FormatBytes(value, LocaleNumberMarks()));
}

QString LocalSize(std::int64_t value, SizeUnits units)
{
    return QString::fromStdString(FormatSize(value, units, LocaleNumberMarks()));
}

QString LocalItems(std::int64_t items)
{
    return (items == 1 ? QCoreApplication::translate("LocalNumbers", "%1 item")
                       : QCoreApplication::translate("LocalNumbers", "%1 items"))
        .arg(LocalBytes(items));
}
