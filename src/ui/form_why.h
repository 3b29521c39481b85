// The Why window: the meaning of the calls (What) or the reasons of the last decision (Why).
#pragma once

#include <QWidget>
#include <string>

class QRadioButton;
class QPlainTextEdit;

namespace kestrel::ui {

class MDIKSTR;

class FormWhy : public QWidget {
    Q_OBJECT
public:
    explicit FormWhy(MDIKSTR& main);

    // The window's load: the option from WhatOption and its text.
    void Form_Load();
    void SetText(const std::string& text);
    QString Text() const;
    // The text box sized to the docked window, in pixels.
    void SizeText(int width, int height);

    void OptionWhy_Click();
    void OptionWhat_Click();

    QRadioButton* OptionWhat() const { return what_; }
    QRadioButton* OptionWhy() const { return why_; }
    QRadioButton* OptionWhatWhy() const { return whatWhy_; }
    QRadioButton* OptionWhyWhat() const { return whyWhat_; }

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    MDIKSTR& main_;
    QRadioButton* what_;
    QRadioButton* why_;
    QRadioButton* whatWhy_;
    QRadioButton* whyWhat_;
    QPlainTextEdit* text_;
};

// The meanings of the calls: the computer's, then the user's.
std::string WhatText();

}  // namespace kestrel::ui
