#include "ui/form_cards_played.h"

#include <QLabel>

#include "core/state.h"
#include "core/text.h"
#include "ui/main_window.h"
#include "ui/twips.h"

namespace kestrel::ui {

namespace {

constexpr int kColumnLeft[5] = {0, 60, 420, 780, 1140};  // S, W, N, E
constexpr int kCellWidth = 375, kCellHeight = 255, kRowHeight = 240;

}  // namespace

FormCardsPlayed::FormCardsPlayed(MDIKSTR& main) : main_(main) {
    setObjectName("FormCardsPlayed");
    setFixedSize(Twips(1560), Twips(3135));
    QFont f("Monospace");
    f.setStyleHint(QFont::TypeWriter);
    f.setPixelSize(std::max(8, Twips(kCellHeight) - 4));
    for (int t = 0; t < 13; ++t)
        for (int seat = 1; seat <= 4; ++seat) {
            const int index = 4 * t + seat;
            auto* cell = new QLabel(this);
            cell->setObjectName(QString("labelTrickTable%1").arg(index));
            cell->setGeometry(Twips(kColumnLeft[seat]), Twips(kRowHeight * t), Twips(kCellWidth),
                              Twips(kCellHeight));
            cell->setFont(f);
            cell->setAutoFillBackground(true);
            SetColour(cell, PlainColour());
            cell->hide();
            cells_[index] = cell;
        }
}

void FormCardsPlayed::SetColour(QLabel* cell, const QColor& c) {
    QPalette p = cell->palette();
    p.setColor(QPalette::Window, c);
    cell->setPalette(p);
}

QString FormCardsPlayed::CellText(int player, int trick) const { return Cell(player, trick)->text(); }

QColor FormCardsPlayed::CellColour(int player, int trick) const {
    return Cell(player, trick)->palette().color(QPalette::Window);
}

bool FormCardsPlayed::CellShown(int player, int trick) const {
    return !Cell(player, trick)->isHidden();
}

void FormCardsPlayed::UpdateTable(int player, int trick, int card) {
    if (player < 1 || player > 4 || trick < 0 || trick > 12) return;
    QLabel* cell = Cell(player, trick);
    cell->setText(QString::fromStdString(CardName(card)));
    cell->show();
    cell->repaint();
}

void FormCardsPlayed::TrickWinner(int player, int trick) {
    if (player < 1 || player > 4 || trick < 0 || trick > 12) return;
    QLabel* cell = Cell(player, trick);
    SetColour(cell, WinnerColour());
    cell->repaint();
}

void FormCardsPlayed::ResetTableEntry(int player, int trick) {
    if (player < 1 || player > 4 || trick < 0 || trick > 12) return;
    QLabel* cell = Cell(player, trick);
    cell->clear();
    SetColour(cell, PlainColour());
    cell->hide();
    cell->repaint();
}

void FormCardsPlayed::ResetAll() {
    for (int t = 0; t < 13; ++t)
        for (int seat = 1; seat <= 4; ++seat) ResetTableEntry(seat, t);
}

void FormCardsPlayed::Rebuild() {
    // Each seat's cards trick by trick, with the winners marked.
    for (int seat = 1; seat <= 4; ++seat)
        for (int t = 0; t <= 12 && G.PlayedCard[seat][t + 1] != 0; ++t) {
            UpdateTable(seat, t, G.PlayedCard[seat][t + 1]);
            if (G.TrickWinner[t + 1] == seat) TrickWinner(seat, t);
        }
}

}  // namespace kestrel::ui
