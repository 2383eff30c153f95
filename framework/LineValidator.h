#pragma once

#include <QString>
#include <QValidator>

#include <functional>

// What may arrive in a one-line text box, typed, pasted or put in by an input method: no
// control character (C0, DEL or C1), and no more characters than the limit, counted as the
// user counts them (code points: an emoji or an accented letter is one). Only the part that
// arrives is cleaned and cut, at a character's boundary, as the platform's own limit cuts a
// paste; the text already there stays. A text the program writes passes as it is.
class LineValidator : public QValidator {
public:
    using QValidator::QValidator;

    // 0 for no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int characters) { maxLength_ = characters; }
    // Runs the program's own writing of the text, which passes unchecked.
    void Write(const std::function<void()>& write);

    State validate(QString& input, int& position) const override;

protected:
    // Applied to every text that stands, the program's too.
    virtual void Convert(QString&) const {}

private:
    int maxLength_ = 0;
    bool writing_ = false;
    // The text as it stood before the change under validation.
    mutable QString accepted_;
};
