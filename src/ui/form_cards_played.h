// The tricks-played window: every card of the hand, trick by trick, the winners' cells grey.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include "core/host.h"

class QLabel;

namespace kestrel::ui {

class MDIKSTR;

class FormCardsPlayed : public QWidget, public CardsPlayedView {
    Q_OBJECT
public:
    // The winner's cell: 12632256, light grey; the others white.
    static QColor WinnerColour() { return QColor(0xC0, 0xC0, 0xC0); }
    static QColor PlainColour() { return QColor(Qt::white); }

    explicit FormCardsPlayed(MDIKSTR& main);

    // CardsPlayedView; trick is counted from 0.
    void UpdateTable(int player, int trick, int card) override;
    void TrickWinner(int player, int trick) override;
    void ResetTableEntry(int player, int trick) override;
    // Every cell empty (each new deal).
    void ResetAll();
    // The whole play so far, from the game state (the window's load).
    void Rebuild();

    QLabel* Cell(int player, int trick) const { return cells_[4 * trick + player]; }
    QString CellText(int player, int trick) const;
    QColor CellColour(int player, int trick) const;
    bool CellShown(int player, int trick) const;

private:
    void SetColour(QLabel* cell, const QColor& c);

    MDIKSTR& main_;
    QLabel* cells_[53] = {};
};

}  // namespace kestrel::ui
