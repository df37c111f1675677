#include "SmallButton.h"

#include "ProgramFonts.h"
#include "ProgramLook.h"

namespace {

// The desktop look's buttons all speak in the desktop's font: a font that
// sets nothing hands the button back to its window's.
QFont ButtonFont(Look look)
{
    if (look == Look::Desktop)
        return QFont();
    QFont font = SerifFont();
    font.setBold(true);
    return FontWithCellHeight(font, 12);
}

} // namespace

SmallButton::SmallButton(QWidget* parent, const QString& caption, int x, int y, int width, int height)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
    FollowProgramLook(*this, [this](Look look) { setFont(ButtonFont(look)); });
    setGeometry(x, y, width, height);
    setEnabled(false);
}
