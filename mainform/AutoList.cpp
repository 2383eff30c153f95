#include "mainform/Unit1.h"

#include "dialogs/autotunelodlg.h"

void TAppForm::AutoListActionExecute()
{
    if (Model.GetMode() == VT::Manager::NothingShown)
        return;
    if (AutoTuneloDialog->Execute(Model.GetSelected()) != mrOk)
        return;
    SelectPlayList(CreateAutoList(AutoTuneloDialog->TakeBuiltPlayList()));
}

// Unlike a play list named in its dialog, the new list does not scroll the pane.
std::int32_t TAppForm::CreateAutoList(VT::PlayList list)
{
    list.SetName(MakeUniqueListName(list.GetName()));
    return AddPlayListEntry(Model.AddPlayList(std::move(list)));
}
