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

SmallButton::SmallButton(QWidget* parent, int id, const QString& caption, int x, int y, int width,
                         int height)
    : QPushButton(caption, parent), buttonId(id)
{
    setAutoDefault(false);
    setFont(ButtonFont());
    setGeometry(x, y, width, height);
    setEnabled(false);
}
