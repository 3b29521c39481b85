#include "ui/form_why.h"

#include <QPlainTextEdit>
#include <QRadioButton>

#include "bidding/meanings.h"
#include "core/state.h"
#include "ui/main_window.h"
#include "ui/twips.h"

namespace kestrel::ui {

std::string WhatText() { return G.AuctionWhatText + G.HumanWhatText; }

FormWhy::FormWhy(MDIKSTR& main) : main_(main) {
    setObjectName("FormWhy");
    auto option = [this](const char* name, const char* caption, int l, int t, int w, int h) {
        auto* b = new QRadioButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(Twips(l), Twips(t), Twips(w), Twips(h) + 4);
        return b;
    };
    // One group: the four buttons share this parent, so exactly one is selected.
    what_ = option("OptionWhat", "What", 0, 15, 810, 195);
    why_ = option("OptionWhy", "Why", 15, 240, 780, 195);
    whatWhy_ = option("OptionWhatWhy", "What then Why", 900, -15, 1440, 195);
    whyWhat_ = option("OptionWhyWhat", "Why then what", 915, 225, 1485, 195);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName("TextWhy");
    text_->setReadOnly(true);
    text_->setGeometry(0, Twips(480), Twips(1850), Twips(5100));
    resize(Twips(2500), Twips(5600));
    connect(what_, &QRadioButton::clicked, this, &FormWhy::OptionWhat_Click);
    connect(why_, &QRadioButton::clicked, this, &FormWhy::OptionWhy_Click);
    // What then Why and Why then what have no action of their own: the bidding box reads them.
}

void FormWhy::Form_Load() {
    // What or Why, as the setting says, with its text.
    if (G.Options.WhatOption == -1) {
        what_->setChecked(true);
        DescribeCall();
        SetText(WhatText());
    } else {
        why_->setChecked(true);
        SetText(G.WhyText);
    }
}

void FormWhy::SetText(const std::string& text) { text_->setPlainText(QString::fromStdString(text)); }

QString FormWhy::Text() const { return text_->toPlainText(); }

void FormWhy::SizeText(int width, int height) {
    text_->resize(std::max(1, width), std::max(1, height));
}

void FormWhy::OptionWhy_Click() {
    G.Options.WhatOption = 0;
    SetText(G.WhyText);
}

void FormWhy::OptionWhat_Click() {
    G.Options.WhatOption = -1;
    // The meanings are brought up to date; outside the auction this changes nothing.
    DescribeCall();
    SetText(WhatText());
}

void FormWhy::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    main_.DockWhy();
}

}  // namespace kestrel::ui
