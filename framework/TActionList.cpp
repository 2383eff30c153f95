#include "framework/TActionList.h"

#include "framework/TAction.h"
#include "framework/TApplication.h"
#include "framework/TForm.h"

#include <QAction>
#include <QWidget>

TActionList::TActionList(TForm& form)
    : form_(form)
{
    if (Application)
        Application->AddActionList(*this);
}

TActionList::~TActionList()
{
    if (Application)
        Application->RemoveActionList(*this);
}

TAction& TActionList::Add()
{
    TAction& action = Make<TAction>(*this);
    form_.Widget()->addAction(action.QtAction());
    actions_.push_back(&action);
    return action;
}

void TActionList::UpdateActions()
{
    // A hidden form's commands show nowhere; a closing window's are left alone while its
    // data is saved on another thread.
    if (!form_.Visible())
        return;
    for (TAction* action : actions_)
        action->Update();
}
