#include "KelmoSplash.h"
#include "MessageBoxes.h"
#include "OwnerWindow.h"
#include "QtTestSupport.h"
#include "SmallWin.h"

#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <vector>

namespace {

// The owner of the first scan's splash is not shown yet.
TEST(OwnerInputBlockTest, EveryAuxiliaryWindowIsTransientForItsOwnerShownOrNot)
{
    QWidget hidden;
    auto* text = new SmallWin(&hidden, QStringLiteral("Path"), 200);
    text->SetText(QStringLiteral("/home/"));
    auto* splash = new KelmoSplash(&hidden, KelmoSplash::CreditCaption(), QStringLiteral("/home"));
    auto* about = new KelmoSplash(&hidden, QStringLiteral("About"));
    ASSERT_NE(hidden.windowHandle(), nullptr);
    // Only for dialogs does the window manager learn the owner (WM_TRANSIENT_FOR).
    for (const QWidget* window : std::vector<QWidget*>{text, splash, about}) {
        EXPECT_EQ(window->windowHandle()->transientParent(), hidden.windowHandle())
            << window->windowTitle().toStdString();
        EXPECT_EQ(window->windowHandle()->type(), Qt::Dialog) << window->windowTitle().toStdString();
    }

    const QWindow* boxParent = nullptr;
    QTimer::singleShot(0, [&] {
        QMessageBox* box = ShownMessageBox();
        ASSERT_NE(box, nullptr);
        boxParent = box->windowHandle()->transientParent();
        box->accept();
    });
    ShowMessageBox(&hidden, QStringLiteral("Sub-Directory Not Found"), QStringLiteral("System Error"),
                   MessageIcon::Stop);
    EXPECT_EQ(boxParent, hidden.windowHandle());

    text->close();
    splash->Abandon();
    about->close();
    RunDeferredDeletes();
}

TEST(OwnerInputBlockTest, APressOnTheBlockedOwnerActivatesItsBlocker)
{
    OwnerWindow owner;
    QPointer<SmallWin> text = new SmallWin(&owner, QStringLiteral("Path"), 200);
    text->SetText(QStringLiteral("/home/"));
    owner.activateWindow();
    ASSERT_TRUE(WaitFor([&] { return owner.isActiveWindow(); }));

    EXPECT_FALSE(owner.TakesClicks());
    EXPECT_TRUE(WaitFor([&] { return text->isActiveWindow(); }));
    text->close();
    RunDeferredDeletes();
}

} // namespace
