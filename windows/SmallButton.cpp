#include "SmallButton.h"

#include "ProgramFonts.h"

namespace {

QFont ButtonFont()
{
    QFont font = SerifFont();
    font.setBold(true);
    return FontWithCellHeight(font, 12);
}

} // namespace

SmallButton::SmallButton(QWidget* parent, const QString& caption, int x, int y, int width, int height)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
    setFont(ButtonFont());
    setGeometry(x, y, width, height);
    setEnabled(false);
}
