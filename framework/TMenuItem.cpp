#include "framework/TMenuItem.h"

#include "framework/TAction.h"
#include "framework/TextConversion.h"

#include <QAction>
#include <QMenu>

namespace {

const char* const SeparatorCaption = "-";

} // namespace

// A separator keeps no text: the style would draw it beside the line.
TMenuItem::TMenuItem(const std::string& caption)
    : ownAction_(std::make_unique<QAction>(caption == SeparatorCaption ? QString() : ToQt(caption)))
    , qtAction_(ownAction_.get())
{
    ownAction_->setSeparator(caption == SeparatorCaption);
    QObject::connect(ownAction_.get(), &QAction::triggered, [this] {
        if (OnClick)
            OnClick(*this);
    });
}

TMenuItem::TMenuItem(TAction& action)
    : qtAction_(action.QtAction())
{
}

TMenuItem::TMenuItem(QWidget& container)
    : container_(&container)
{
}

TMenuItem::~TMenuItem() = default;

TMenuItem& TMenuItem::Add(TAction& action)
{
    return Append(std::make_unique<TMenuItem>(action));
}

TMenuItem& TMenuItem::Add(const std::string& caption)
{
    return Append(std::make_unique<TMenuItem>(caption));
}

TMenuItem& TMenuItem::Append(std::unique_ptr<TMenuItem> item)
{
    TMenuItem& added = *item;
    Container().addAction(added.QtAction());
    items_.push_back(std::move(item));
    return added;
}

void TMenuItem::Clear()
{
    for (const auto& item : items_)
        Container().removeAction(item->QtAction());
    items_.clear();
}

std::string TMenuItem::Caption() const
{
    if (qtAction_->isSeparator())
        return SeparatorCaption;
    return FromQt(qtAction_->text());
}

bool TMenuItem::Enabled() const
{
    return qtAction_->isEnabled();
}

void TMenuItem::SetEnabled(bool enabled)
{
    qtAction_->setEnabled(enabled);
}

QWidget& TMenuItem::Container()
{
    if (!container_) {
        subMenu_ = std::make_unique<QMenu>();
        ownAction_->setMenu(subMenu_.get());
        container_ = subMenu_.get();
    }
    return *container_;
}
