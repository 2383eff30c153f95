#include "framework/TFileListBox.h"

#include "framework/FileSystemNames.h"
#include "framework/TextConversion.h"

#include <QRegularExpression>
#include <QStringList>

#include <vector>

TFileListBox::TFileListBox(TControl& parent)
    : TListBox(parent)
{
}

void TFileListBox::SetMask(std::string mask)
{
    mask_ = std::move(mask);
    Reread();
}

void TFileListBox::SetDirectory(std::string folder)
{
    directory_ = std::move(folder);
    Reread();
}

namespace {

std::vector<QRegularExpression> MaskRules(const std::string& mask)
{
    std::vector<QRegularExpression> rules;
    for (const QString& pattern : ToQt(mask).split(';', Qt::SkipEmptyParts)) {
        rules.push_back(QRegularExpression::fromWildcard(pattern.trimmed(), Qt::CaseInsensitive));
    }
    return rules;
}

bool Matches(const std::vector<QRegularExpression>& rules, const std::string& name)
{
    const QString shown = ToQt(name);
    for (const QRegularExpression& rule : rules) {
        if (rule.match(shown).hasMatch())
            return true;
    }
    return false;
}

} // namespace

void TFileListBox::Reread()
{
    Items().Clear();
    if (directory_.empty())
        return;
    const std::vector<QRegularExpression> rules = MaskRules(mask_);
    for (std::string& name : FileNames(directory_)) {
        if (Matches(rules, name))
            Items().Add(std::move(name));
    }
}

std::string TFileListBox::FileName()
{
    const int row = ItemIndex();
    return row < 0 ? std::string() : Items()[row];
}
