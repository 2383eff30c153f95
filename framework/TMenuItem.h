#pragma once

#include "framework/TComponent.h"

#include <memory>
#include <string>

class QAction;
class QMenu;
class QWidget;
class TAction;

// One entry of a menu: an item that carries an action and follows its caption, enabled
// and checked state, or an item of its own with a caption ("-" makes it a separator)
// that holds the items of its sub-menu.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(const std::string& caption);
    explicit TMenuItem(TAction& action);
    // The top of a menu bar or popup: its items are shown by `container` itself.
    explicit TMenuItem(QWidget& container);
    ~TMenuItem() override;

    // A new last item of the sub-menu.
    TMenuItem& Add(TAction& action);
    TMenuItem& Add(const std::string& caption);

    QAction* QtAction() const { return qtAction_; }

private:
    TMenuItem& Append(std::unique_ptr<TMenuItem> item);
    QWidget& Container();

    // Before the item's own action, so that the action goes first.
    std::unique_ptr<QMenu> subMenu_;
    std::unique_ptr<QAction> ownAction_;
    QAction* qtAction_ = nullptr;
    QWidget* container_ = nullptr;
};
