#include "SmallWin.h"

#include "AuxiliaryWindow.h"
#include "ProgramFonts.h"
#include "ProgramLook.h"
#include "SmallButton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPlainTextEdit>

namespace {

// A dialog: X11 window managers learn the owner of dialogs only.
constexpr Qt::WindowFlags CaptionAndCloseOnly = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

QPlainTextEdit* MakeTextBox(QWidget* parent)
{
    auto* edit = new QPlainTextEdit(parent);
    edit->setObjectName(QStringLiteral("textBox%1").arg(SmallWin::TextBoxId));
    edit->setReadOnly(true);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The sizing rule's three extra lines leave room for it.
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FollowProgramLook(*edit, [edit](Look look) {
        const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        edit->setFont(look == Look::Classic ? FontWithCellHeight(fixed, 14) : fixed);
    });
    return edit;
}

} // namespace

SmallWin::SmallWin(QWidget* owner, const QString& caption, int textBoxWidth)
    : QWidget(owner, CaptionAndCloseOnly),
      ownerBlock(owner, this),
      okButton(new SmallButton(this, QCoreApplication::translate("SmallWin", "OK"), 5, 10, 45, 20)),
      edit(MakeTextBox(this)),
      textWidth(textBoxWidth),
      lineHeight(QFontMetrics(QApplication::font()).height())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    edit->setAccessibleName(caption);
    edit->setAccessibleDescription(
        QCoreApplication::translate("SmallWin", "Text to read; OK or Escape closes the window"));
    okButton->setAccessibleDescription(QCoreApplication::translate("SmallWin", "Closes the window"));
    PaintProgramBackground(*this);
    connect(okButton, &QPushButton::clicked, this, [this] { CmOk(); });
    AddCloseKeys(*this, *okButton);
}

void SmallWin::SetText(const QString& text)
{
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FitToText(text);
    okButton->setEnabled(true);
    edit->setPlainText(text);
    show();
    activateWindow();
}

void SmallWin::FitToText(const QString& text)
{
    const int lines = 3 + static_cast<int>(text.count(QLatin1Char('\n')));
    int textHeight = lines * lineHeight;
    if (textHeight > MaxTextHeight) {
        textHeight = MaxTextHeight;
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }
    const int width = textWidth + 65;
    const int height = textHeight + 20;
    setFixedSize(width, height);
    CentreOnScreen(*this);
    edit->setGeometry(55, 10, width - 65, height - 20);
}

void SmallWin::CmOk()
{
    close();
}

void SmallWin::closeEvent(QCloseEvent* event)
{
    ownerBlock.Release();
    event->accept();
}
