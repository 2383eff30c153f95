#include "framework/KeptText.h"

#include "framework/TextConversion.h"

QString KeptText::Keep(std::string bytes)
{
    bytes_ = std::move(bytes);
    shown_ = ToQt(bytes_);
    return shown_;
}

std::string KeptText::Read(const QString& shown) const
{
    if (shown == shown_)
        return bytes_;
    return FromQt(shown);
}
