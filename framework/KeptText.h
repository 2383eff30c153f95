#pragma once

#include <QString>

#include <string>

// The bytes the program put into a Qt text widget, given back as long as the widget
// still shows them, so that a text read back is byte for byte the text put in.
class KeptText {
public:
    // Remembers the bytes and returns what Qt shows for them.
    QString Keep(std::string bytes);
    // The kept bytes while `shown` is still their text, else what the user typed.
    std::string Read(const QString& shown) const;

private:
    std::string bytes_;
    QString shown_;
};
