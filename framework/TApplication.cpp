#include "framework/TApplication.h"

#include "framework/HelpViewer.h"
#include "framework/HintTimingStyle.h"
#include "framework/MainThread.h"
#include "framework/OpenDisplay.h"
#include "framework/TActionList.h"
#include "framework/TestHooks.h"
#include "framework/TextConversion.h"
#include "framework/WindowOwner.h"
#include "framework/WorkerRegistry.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>

TApplication* Application = nullptr;

namespace {

// Ends the process where it stands: a worker still running must not meet the forms,
// the model or Qt being torn down around it. Everything written so far is flushed.
void EndProcess()
{
    if (Hooks().endProcess) {
        Hooks().endProcess();
        return;
    }
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace

TApplication::TApplication(int& argc, char** argv)
    : context_(std::make_unique<QObject>())
{
    if (!QApplication::instance())
        ownApplication_ = OpenDisplay(argc, argv);
    Application = this;
    ResetHooks();
    WorkerRegistry::Instance().Open();
}

TApplication::~TApplication()
{
    WorkerRegistry::Instance().BeginClosing();
    if (WorkerRegistry::Instance().Live() > 0)
        EndProcess();
    while (!forms_.empty())
        forms_.pop_back();
    context_.reset();
    Application = nullptr;
}

void TApplication::Initialize()
{
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new HintTimingStyle);
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     context_.get(), [this] { Idle(); });
}

void TApplication::AddForm(std::unique_ptr<TForm> form)
{
    if (!mainForm_)
        mainForm_ = form.get();
    forms_.push_back(std::move(form));
}

void TApplication::Run()
{
    if (!mainForm_ || terminated_)
        return;
    mainForm_->Show();
    running_ = true;
    QApplication::exec();
    running_ = false;
}

void TApplication::Terminate()
{
    terminated_ = true;
    // Only a running loop is told to end: Qt would otherwise refuse every later loop.
    if (running_)
        QCoreApplication::exit(0);
}

void TApplication::ProcessMessages()
{
    QCoreApplication::processEvents();
}

void TApplication::Idle()
{
    if (idling_)
        return;
    idling_ = true;
    for (TActionList* list : actionLists_)
        list->UpdateActions();
    if (OnIdle)
        OnIdle();
    idling_ = false;
}

void TApplication::AddActionList(TActionList& list)
{
    actionLists_.push_back(&list);
}

void TApplication::RemoveActionList(const TActionList& list)
{
    std::erase(actionLists_, &list);
}

void TApplication::SetTitle(std::string title)
{
    title_ = std::move(title);
}

bool TApplication::HelpCommand(int command, std::intptr_t)
{
    if (command != HELP_FINDER)
        return false;
    if (!helpViewer_)
        helpViewer_ = std::make_unique<THelpViewer>();
    return helpViewer_->ShowContents(helpFile_);
}

std::string TApplication::ExeName() const
{
    // The file system's own bytes: Qt's text would turn a folder name that is not UTF-8
    // into another folder's, where the program would find and save no list.
    std::error_code unreadable;
    const std::filesystem::path own = std::filesystem::read_symlink("/proc/self/exe", unreadable);
    return unreadable ? FromQt(QCoreApplication::applicationFilePath()) : own.string();
}

int TApplication::MessageBox(const std::string& text, const std::string& caption)
{
    return ShowBox(QMessageBox::Information, text, caption);
}

void TApplication::ShowException(const std::string& message)
{
    ShowBox(QMessageBox::Critical, message, {});
}

int TApplication::ShowBox(int icon, const std::string& text, const std::string& caption)
{
    const std::string& shownCaption = caption.empty() ? title_ : caption;
    if (auto answer = Hooks().AnswerMessage(text, shownCaption))
        return *answer;
    QMessageBox box(static_cast<QMessageBox::Icon>(icon), ToQt(shownCaption), ToQt(text),
                    QMessageBox::Ok);
    OwnByOpener(box);
    SetDialogTitleBar(box, true);
    box.exec();
    return mrOk;
}

void TApplication::Release(TForm& form)
{
    QPointer<QWidget> window(form.Widget());
    PostToMainThread([this, window, released = &form] {
        if (window && Application == this)
            FreeForm(released);
    });
}

void TApplication::FreeForm(const TForm* form)
{
    auto owned = std::find_if(forms_.begin(), forms_.end(),
                              [form](const auto& candidate) { return candidate.get() == form; });
    if (owned != forms_.end() && owned->get() != mainForm_)
        forms_.erase(owned);
}
