#include "ui/qt_host.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QTime>

#include "core/state.h"
#include "ui/form_all_bids_table.h"
#include "ui/form_bid_table.h"
#include "ui/form_cards_played.h"
#include "ui/form_continue.h"
#include "ui/form_the_hands.h"
#include "ui/main_window.h"

namespace kestrel::ui {

QtHost::QtHost(MDIKSTR& main) : main_(main) {
    wake_.setInterval(kWakeMilliseconds);
    wake_.setTimerType(Qt::CoarseTimer);
    // The timer only wakes a blocked wait; it has nothing to do itself.
    QObject::connect(&wake_, &QTimer::timeout, [] {});
}

void QtHost::KeepAlive() {
    ++keepAliveCount;
    if (!wake_.isActive()) wake_.start();
    // Blocks while there is nothing to do: the wake timer or a user event ends the sleep.
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    // The tool windows stay beside the card table.
    main_.KeepToolsInPlace();
    if (idleHook) idleHook();
}

long QtHost::Now() { return QTime::currentTime().msecsSinceStartOfDay() / 10; }

Answer QtHost::Ask(const std::string& text, Buttons buttons, Icon icon, const std::string& title) {
    if (askHook) return askHook(text, buttons);
    QMessageBox box(&main_);
    box.setText(QString::fromStdString(text));
    box.setWindowTitle(title.empty() ? QStringLiteral("Kestrel") : QString::fromStdString(title));
    switch (icon) {
        case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
        case Icon::Question: box.setIcon(QMessageBox::Question); break;
        case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case Icon::Information: box.setIcon(QMessageBox::Information); break;
        case Icon::None: break;
    }
    switch (buttons) {
        case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Cancel: return Answer::Cancel;
        default: return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::Ok;
    }
}

void QtHost::ShowWindow(Window w) { main_.ShowChild(w); }
void QtHost::HideWindow(Window w) { main_.HideChild(w); }

TableView& QtHost::Table() { return main_.Hands(); }
BidsView& QtHost::Bids() { return main_.AllBids(); }
CardsPlayedView& QtHost::CardsPlayed() { return main_.CardsPlayedForm(); }
BidBoxView& QtHost::BidBox() { return main_.BidTable(); }
InfoView& QtHost::Info() { return main_; }

}  // namespace kestrel::ui
