// The Continue window: the button that ends a pause, and the result of a hand.
#pragma once

#include <QString>
#include <QWidget>
#include <string>

class QLabel;
class QPushButton;

namespace kestrel::ui {

class MDIKSTR;

class FormContinue : public QWidget {
    Q_OBJECT
public:
    explicit FormContinue(MDIKSTR& main);

    // Plain form: caption "Continue", only the button in view, the score labels empty.
    void ResetContinue();
    // Result form: the caption tells the result, the labels the contract level and the tricks.
    void ShowResult(const std::string& caption, const std::string& bidLabel,
                    const std::string& madeLabel);
    // The captions of the two fixed labels ("Bidding"/"Making", "We"/"They").
    void SetResultLabels(const std::string& bidText, const std::string& makingText);
    // The window's caption alone ("150 Honors", "You Win", "Continue").
    void SetCaption(const std::string& caption);
    QString Caption() const { return caption_; }
    // Run by every wait while the window is open; it has nothing to do.
    void ActivateContinue() {}
    void FocusButton();
    // Ends the wait and closes the window.
    void ComWaitForYou_Click();

    QLabel* ScoreBid() const { return scoreBid_; }
    QLabel* ScoreMade() const { return scoreMade_; }
    QLabel* LabelBid() const { return bid_; }
    QLabel* LabelMaking() const { return making_; }

private:
    MDIKSTR& main_;
    QString caption_ = "Continue";
    QPushButton* button_;
    QLabel* bid_;
    QLabel* making_;
    QLabel* scoreBid_;
    QLabel* scoreMade_;
};

}  // namespace kestrel::ui
