#include "ProgramLook.h"

#include "AuxiliaryWindow.h"

#include <QApplication>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

struct Follower {
    QPointer<QWidget> widget;
    std::function<void(Look)> apply;
};

struct LookState {
    Look inUse = Look::Classic;
    std::optional<DesktopLook> desktop; // taken at the first change of look
    std::vector<Follower> followers;
};

LookState& State()
{
    static LookState state;
    return state;
}

void ForgetGoneFollowers()
{
    auto& followers = State().followers;
    followers.erase(std::remove_if(followers.begin(), followers.end(),
                                   [](const Follower& follower) { return follower.widget.isNull(); }),
                    followers.end());
}

QPalette ClassicPalette(const QStyle& fusion)
{
    QPalette palette = fusion.standardPalette();
    palette.setColor(QPalette::Window, LightGrey());
    palette.setColor(QPalette::Button, LightGrey());
    return palette;
}

} // namespace

// The style goes first: setting a style resets the application's palette.
void EnableProgramLook(QApplication& app, Look look)
{
    LookState& state = State();
    if (!state.desktop)
        state.desktop = DesktopLook{QApplication::style()->name(), QPalette()};
    const bool classic = look == Look::Classic;
    QStyle* style = QStyleFactory::create(classic ? QStringLiteral("Fusion") : state.desktop->style);
    if (!style)
        style = QStyleFactory::create(QStringLiteral("Fusion"));
    state.inUse = look;
    QApplication::setStyle(style); // the application takes ownership
    app.setPalette(classic ? ClassicPalette(*style) : state.desktop->palette);
    ForgetGoneFollowers();
    for (const Follower& follower : state.followers)
        follower.apply(look);
}

Look ProgramLookInUse()
{
    return State().inUse;
}

void SetDesktopLook(DesktopLook desktop)
{
    State().desktop = std::move(desktop);
}

void FollowProgramLook(QWidget& widget, std::function<void(Look)> apply)
{
    apply(State().inUse);
    ForgetGoneFollowers();
    State().followers.push_back({&widget, std::move(apply)});
}
