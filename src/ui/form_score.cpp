#include "ui/form_score.h"

#include <QLabel>
#include <QPainter>

#include "ui/twips.h"

namespace kestrel::ui {

namespace {

constexpr int kLabelWidth = 495, kLabelHeight = 255;
constexpr int kLeftColumn = 120, kRightColumn = 735;

}  // namespace

FormScore::FormScore(MDIKSTR& main) : main_(main) {
    setObjectName("FormScore");
    setFixedSize(Twips(1400), Twips(1905));
    QFont f = font();
    f.setPixelSize(std::max(8, Twips(kLabelHeight) - 4));
    auto label = [this, &f](const QString& name, int left, int top) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->setGeometry(Twips(left), Twips(top), Twips(kLabelWidth), Twips(kLabelHeight));
        l->setFont(f);
        return l;
    };
    const int column[3] = {0, kLeftColumn, kRightColumn};
    for (int side = 1; side <= 2; ++side) {
        above_[side] = label(QString("LabelAbovetheLine%1").arg(side), column[side], 120);
        rubber_[side] = label(QString("LabelRubberScore%1").arg(side), column[side], 1440);
        // Game g of side s is label 2 * (g - 1) + s.
        for (int g = 1; g <= 3; ++g) {
            const int index = 2 * (g - 1) + side;
            game_[index] = label(QString("LabelGame%1").arg(index), column[side], 480 + 360 * (g - 1));
        }
    }
}

void FormScore::SetLabel(ScoreLabel label, int index, const QString& text) {
    QLabel* l = nullptr;
    switch (label) {
        case ScoreLabel::AboveTheLine: l = index >= 1 && index <= 2 ? above_[index] : nullptr; break;
        case ScoreLabel::Game: l = index >= 1 && index <= 6 ? game_[index] : nullptr; break;
        case ScoreLabel::RubberScore: l = index >= 1 && index <= 2 ? rubber_[index] : nullptr; break;
    }
    if (l) l->setText(text);
}

void FormScore::EmptyLabels() {
    for (int side = 1; side <= 2; ++side) {
        above_[side]->clear();
        rubber_[side]->clear();
    }
    for (int i = 1; i <= 6; ++i) game_[i]->clear();
}

void FormScore::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    // The two heavy bars: under the points above the line, and above the totals.
    p.drawRect(Twips(120), Twips(360), Twips(1215), std::max(2, Twips(30)));
    p.drawRect(Twips(120), Twips(1440), Twips(1215), std::max(2, Twips(30)));
    p.setPen(QPen(Qt::black, 1));
    // Thin lines between the games.
    p.drawLine(Twips(240), Twips(720), Twips(1200), Twips(720));
    p.drawLine(Twips(240), Twips(1080), Twips(1200), Twips(1080));
    // The line between the columns.
    p.drawLine(Twips(720), 0, Twips(720), Twips(1900));
}

}  // namespace kestrel::ui
