// The card table: the four hands, the trick, the tricks taken, the calls, the contract and the
// deck. One painted widget that keeps the table's picture arrays as plain data.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include "core/host.h"

class QPushButton;

namespace kestrel::ui {

class MDIKSTR;

class FormTheHands : public QWidget, public TableView {
    Q_OBJECT
public:
    // What a card image shows.
    enum class Picture { Empty, Face, Back };
    struct CardImage {
        QRect rect;  // twips
        Picture picture = Picture::Empty;
        int code = 0;  // drawing code of a face
        bool visible = false;
        int z = 0;
        bool arrow = false;  // a click on it is accepted
        int raisedBy = 0;    // pixels towards the table's centre
    };
    struct CallCell {
        QRect rect;     // twips
        int symbol = 14;  // 14 empty, 1..4 suit symbol, 5 "N"
        QString letter;
    };

    explicit FormTheHands(MDIKSTR& main);

    // TableView.
    void ResetForm() override;
    void Deal() override;
    void PutCard(int player, int position) override;
    void RefreshRow(int seat) override;
    void ShowTrickCard(int seat, int card) override;
    void HideTrickCards() override;
    void ShowTrickTaken(int side, int count) override;
    void MakeBidVisible(int seat, int call) override;
    void ShowContract(int level, int strain, int doubleState) override;
    void SetPointer(int seat, int proposal) override;
    void LowerRaisedCards() override;
    void ShowDummy(int seat) override;
    void ShowDeck() override;
    void DisplayInfo() override;
    void ShowHandNumber(int number) override;
    void SetRewindEnabled(bool enabled) override;
    void ShowRewind() override;
    void SetPipOrder() override;

    // Layout for the widget's size, in twips, then the hands drawn again.
    void ReSize();
    // A seat's hand drawn again, face up or down as the rules now say.
    void FlipTheCards(int player);
    // The calls of the auction drawn again (a new background colour).
    void RedrawCalls();
    // Shows a call in a seat's seven cells: suit 0 with level 0 Pass, 1 Double, 2 Redouble;
    // suit 1..5 a bid; level -1 clears.
    void MakeBidVisible(int player, int suit, int level);
    void PlaceBid(int player, int cell, int bid);
    void Cards_Click(int index);
    void clickit() { Cards_Click(2); }
    void ComRewind_Click();

    // Read by tests and the bidding box.
    const CardImage& Image(int index) const { return cards_[index]; }
    const CallCell& Cell(int index) const { return cells_[index]; }
    bool TrickTakenShown(int index) const { return trickShown_[index]; }
    QRect TrickTakenRect(int index) const { return trickRect_[index]; }
    int CellWidth() const { return cellW_; }
    int CellHeight() const { return cellH_; }
    int SouthTop() const { return southTop_; }
    int EastLeft() const { return eastLeft_; }
    QString ContractText() const;
    QString DirectionLetter(int index) const { return direction_[index]; }
    bool DirectionsShown() const { return directionsShown_; }
    // The image under a point in pixels (topmost first); -1 for none.
    int ImageAt(QPoint pixel) const;
    // Pixel rectangle of an image as drawn (raised cards included).
    QRect ImagePixels(int index) const;
    QPushButton* RewindButton() const { return rewind_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    bool FaceUp(int player) const;
    void Raise(int index) { cards_[index].z = ++zTop_; }
    int IndexOf(int player, int position) const { return (player - 1) * 13 + position; }
    void DrawDeck();
    void ShowDirections(bool on);
    void RightButton(int index);

    MDIKSTR& main_;
    CardImage cards_[57];
    QRect baseRect_[57];  // positions from the layout, twips
    CallCell cells_[29];
    QRect trickRect_[27];
    bool trickShown_[27] = {};
    QString level_, suit_, doubled_;
    bool contractShown_ = false;
    QString direction_[13];
    QRect directionRect_[13];
    bool directionsShown_ = false;
    QPushButton* rewind_ = nullptr;
    bool rewindAvailable_ = false;
    bool rewindRunning_ = false;
    bool backChangeArmed_ = false;
    bool ignoreNextClick_ = false;
    int handNumber_ = 0;
    int zTop_ = 0;
    int cellW_ = 0, cellH_ = 0, southTop_ = 0, eastLeft_ = 0;  // twips
};

}  // namespace kestrel::ui
