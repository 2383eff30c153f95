#pragma once

#include <QString>

#include <string>

// Texts are bytes everywhere in the program; Qt only sees them where it draws them or
// where the user types. Bytes that are valid UTF-8 show as UTF-8, any other text is
// taken as Windows-1252, the code page the program's files were first written in.
QString ToQt(const std::string& bytes);

// What the user typed, as UTF-8 bytes.
std::string FromQt(const QString& text);

bool IsValidUtf8(const std::string& bytes);
