#include "framework/TMainMenu.h"

#include <QMenuBar>

TMainMenu::TMainMenu()
    : bar_(new QMenuBar)
    , items_(std::make_unique<TMenuItem>(*bar_))
{
}

TMainMenu::~TMainMenu()
{
    delete bar_;
}

QMenuBar* TMainMenu::Bar() const
{
    return bar_;
}
