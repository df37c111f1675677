#include "MainWindowControls.h"

#include "AuxiliaryWindow.h"
#include "ChartView.h"
#include "DriveList.h"
#include "KelmoProject.h"
#include "SmallButton.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>

namespace {

QPushButton* AddButton(QWidget* window, const QString& caption)
{
    auto* button = new QPushButton(caption, window);
    button->setAutoDefault(false);
    return button;
}

QLabel* AddLabel(QWidget* window, const QString& text)
{
    return AddLabel(*window, text, 0, 0, 0, 0);
}

} // namespace

MainWindowControls::MainWindowControls(QWidget* window)
    : chart(new ChartView(window)),
      drivesHeading(AddLabel(window, QStringLiteral("Available Drives"))),
      driveList(new DriveList(window)),
      keyLabel(AddLabel(window, QStringLiteral("Key"))),
      exitButton(AddButton(window, QStringLiteral("Exit"))),
      topButton(new SmallButton(window, QStringLiteral("Top"), 0, 0, 45, 20)),
      backButton(new SmallButton(window, QStringLiteral("Back"), 0, 0, 45, 20)),
      updateButton(AddButton(window, QStringLiteral("Update"))),
      aboutButton(AddButton(window, QStringLiteral("About"))),
      creditLabel(AddLabel(window, QString::fromUtf8(KelmoProject::kCopyright))),
      freeBytesLabel(AddLabel(window, QString())),
      pathButton(new SmallButton(window, QStringLiteral("Path"), 0, 0, 45, 20)),
      pathLabel(AddLabel(window, QString()))
{
    driveList->setMaxVisibleItems(5);
    pathLabel->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

void MainWindowControls::Place(const WindowLayout& layout)
{
    const QRect bounds = layout.chartBounds;
    chart->SetBounds(bounds.left(), bounds.top(), bounds.left() + bounds.width(), bounds.top() + bounds.height());
    topButton->setGeometry(layout.topButton);
    backButton->setGeometry(layout.backButton);
    drivesHeading->setGeometry(layout.drivesHeading);
    driveList->setGeometry(layout.driveList.adjusted(0, 0, 0, driveList->sizeHint().height()));
    keyLabel->setGeometry(layout.keyHeading);
    freeBytesLabel->setGeometry(layout.freeSpaceLabel);
    pathButton->setGeometry(layout.pathButton);
    pathLabel->setGeometry(layout.pathLabel);
    exitButton->setGeometry(layout.exitButton);
    creditLabel->setGeometry(layout.creditLabel);
    updateButton->setGeometry(layout.updateButton);
    aboutButton->setGeometry(layout.aboutButton);
}
