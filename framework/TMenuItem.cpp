#include "framework/TMenuItem.h"

#include "framework/TAction.h"
#include "framework/TextConversion.h"

#include <QAction>
#include <QMenu>

TMenuItem::TMenuItem()
    : ownAction_(std::make_unique<QAction>())
    , qtAction_(ownAction_.get())
{
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

void TMenuItem::SetCaption(const std::string& caption)
{
    ownAction_->setSeparator(caption == "-");
    ownAction_->setText(ToQt(caption));
}

TMenuItem& TMenuItem::Add(TAction& action)
{
    return Append(std::make_unique<TMenuItem>(action));
}

TMenuItem& TMenuItem::Add(const std::string& caption)
{
    auto item = std::make_unique<TMenuItem>();
    item->SetCaption(caption);
    return Append(std::move(item));
}

TMenuItem& TMenuItem::Append(std::unique_ptr<TMenuItem> item)
{
    TMenuItem& added = *item;
    Container().addAction(added.QtAction());
    Adopt(std::move(item));
    return added;
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
