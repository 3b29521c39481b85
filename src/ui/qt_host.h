// The Host of the game window: the engine's waits run the Qt event loop here, and its views
// reach the windows of the main window.
#pragma once

#include <QTimer>
#include <functional>
#include <string>

#include "core/host.h"

namespace kestrel::ui {

class MDIKSTR;

class QtHost : public Host {
public:
    // How long one wait may block when no event arrives, so that timed pauses still end.
    static constexpr int kWakeMilliseconds = 25;

    explicit QtHost(MDIKSTR& main);

    // Handles the pending events; when there are none, sleeps until one arrives or the wake
    // timer fires. A game waiting for the user therefore uses no processor time to speak of.
    void KeepAlive() override;
    long Now() override;
    Answer Ask(const std::string& text, Buttons buttons, Icon icon,
               const std::string& title) override;
    void ShowWindow(Window w) override;
    void HideWindow(Window w) override;

    TableView& Table() override;
    BidsView& Bids() override;
    CardsPlayedView& CardsPlayed() override;
    BidBoxView& BidBox() override;
    InfoView& Info() override;

    // For tests: called after the events of every KeepAlive, where a test acts as the user;
    // and a stand-in for the message boxes (the question is recorded, the answer returned).
    std::function<void()> idleHook;
    std::function<Answer(const std::string& text, Buttons buttons)> askHook;
    long keepAliveCount = 0;

private:
    MDIKSTR& main_;
    QTimer wake_;
};

}  // namespace kestrel::ui
