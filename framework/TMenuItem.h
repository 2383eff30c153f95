#pragma once

#include "framework/TComponent.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

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

    // Items of the sub-menu that the program builds and removes as it goes.
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem& Item(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    void Clear();

    std::string Caption() const;
    bool Enabled() const;
    void SetEnabled(bool enabled);

    // A number the program keeps with an item of its own, e.g. the row it stands for.
    int Tag = 0;
    // A choice of an item of its own; the sender is the item.
    std::function<void(TMenuItem& sender)> OnClick;

    QAction* QtAction() const { return qtAction_; }

private:
    TMenuItem& Append(std::unique_ptr<TMenuItem> item);
    QWidget& Container();

    // Before the item's own action, so that the action goes first.
    std::unique_ptr<QMenu> subMenu_;
    std::unique_ptr<QAction> ownAction_;
    QAction* qtAction_ = nullptr;
    QWidget* container_ = nullptr;
    std::vector<std::unique_ptr<TMenuItem>> items_;
};
