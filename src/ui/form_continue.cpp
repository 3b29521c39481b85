#include "ui/form_continue.h"

#include <QLabel>
#include <QPushButton>

#include "core/flow.h"
#include "core/state.h"
#include "ui/main_window.h"
#include "ui/twips.h"

namespace kestrel::ui {

FormContinue::FormContinue(MDIKSTR& main) : main_(main) {
    setObjectName("FormContinue");
    button_ = new QPushButton("Continue", this);
    button_->setObjectName("ComWaitForYou");
    button_->setGeometry(Twips(630), Twips(105), Twips(1185), Twips(375));
    button_->setDefault(true);
    connect(button_, &QPushButton::clicked, this, &FormContinue::ComWaitForYou_Click);
    auto label = [this](const char* name, const QString& text, int l, int t, int w, int h) {
        auto* lab = new QLabel(text, this);
        lab->setObjectName(name);
        lab->setGeometry(Twips(l), Twips(t), Twips(w), Twips(h));
        return lab;
    };
    bid_ = label("LabelBid", "Bidding", 315, 735, 960, 330);
    making_ = label("LabelMaking", "Making", 315, 1155, 960, 330);
    scoreBid_ = label("LabelScoreBid", "", 1365, 735, 645, 330);
    scoreMade_ = label("LabelScoreMade", "", 1365, 1155, 645, 330);
    ResetContinue();
}

void FormContinue::ResetContinue() {
    caption_ = "Continue";
    scoreBid_->clear();
    scoreMade_->clear();
    setFixedSize(Twips(2445), Twips(1000) - Twips(400));
    if (parentWidget()) {
        parentWidget()->setWindowTitle(caption_);
        parentWidget()->adjustSize();
    }
}

void FormContinue::ShowResult(const std::string& caption, const std::string& bidLabel,
                              const std::string& madeLabel) {
    caption_ = QString::fromStdString(caption);
    scoreBid_->setText(QString::fromStdString(bidLabel));
    scoreMade_->setText(QString::fromStdString(madeLabel));
    setFixedSize(Twips(2445), Twips(2000) - Twips(400));
}

void FormContinue::SetResultLabels(const std::string& bidText, const std::string& makingText) {
    bid_->setText(QString::fromStdString(bidText));
    making_->setText(QString::fromStdString(makingText));
}

void FormContinue::SetCaption(const std::string& caption) {
    caption_ = QString::fromStdString(caption);
    if (parentWidget()) parentWidget()->setWindowTitle(caption_);
}

void FormContinue::FocusButton() { button_->setFocus(Qt::OtherFocusReason); }

void FormContinue::ComWaitForYou_Click() {
    // During the walk-through its own buttons drive the wait; the button only closes.
    if (!G.TutorialRunning) UserPressesContinue();
    main_.HideChild(Window::Continue);
}

}  // namespace kestrel::ui
