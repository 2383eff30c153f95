// OpenDir: TOpenDirectory, a folder picker made of Qt's own file dialog, and
// TImplOpenDirectory, the state of one run of it.

#include "dialogs/OpenDir.h"

#include "framework/TextConversion.h"
#include "platform/Folders.h"

#include <QFileDialog>
#include <QMetaObject>

#include <filesystem>
#include <system_error>

namespace {

// The names Qt's file dialog gives the controls of the file type.
constexpr const char* FileTypeControls[] = {"fileTypeCombo", "fileTypeLabel"};

} // namespace

bool TImplOpenDirectory::Run(QFileDialog& dialog)
{
    Dialog = &dialog;
    Accepted = false;
    // Qt reports no entry into the folder it starts in.
    CurrentFolder = FromQt(dialog.directory().absolutePath());
    QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog,
                     [this](const QString& folder) { DialogFolderChange(FromQt(folder)); });
    QObject::connect(&dialog, &QFileDialog::currentChanged, &dialog,
                     [this](const QString& path) { ListViewClick(FromQt(path)); });
    QObject::connect(&dialog, &QDialog::finished, &dialog, [this](int result) {
        // Qt's own accept takes only a name that is an existing folder.
        Accepted = result == QDialog::Accepted;
        if (Accepted)
            Owner.Directory = FromQt(Dialog->selectedFiles().value(0));
        DialogClose();
    });
    // Queued, so that it runs inside the dialog's own event loop, once it shows.
    QMetaObject::invokeMethod(&dialog, [this] { DialogShow(); }, Qt::QueuedConnection);
    dialog.exec();
    Dialog = nullptr;
    return Accepted;
}

void TImplOpenDirectory::DialogShow()
{
    for (const char* name : FileTypeControls) {
        if (auto* control = Dialog->findChild<QWidget*>(name))
            control->hide();
    }
    if (!Owner.EnableSizing())
        Dialog->setFixedSize(Dialog->size());
    if (Owner.OnShow)
        Owner.OnShow(*this);
}

void TImplOpenDirectory::DialogClose()
{
    if (Owner.OnClose)
        Owner.OnClose(*this);
}

void TImplOpenDirectory::DialogFolderChange(const std::string& folder)
{
    CurrentFolder = folder;
    Owner.Directory = folder;
    Owner.NetworkDirectory.clear();
    if (Owner.OnFolderChange)
        Owner.OnFolderChange(*this);
}

void TImplOpenDirectory::ListViewClick(const std::string& path)
{
    if (path.empty())
        return;
    Owner.Directory = path;
    Owner.NetworkDirectory.clear();
}

TOpenDirectory::TOpenDirectory()
    : impl_(std::make_unique<TImplOpenDirectory>(*this))
{
}

TOpenDirectory::~TOpenDirectory() = default;

bool TOpenDirectory::Execute()
{
    impl_->CurrentFolder.clear();
    Directory.clear();
    NetworkDirectory.clear();
    QFileDialog dialog;
    // Only Qt's own dialog lets the picker reach its controls.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setSizeGripEnabled(enableSizing_);
    if (!title_.empty())
        dialog.setWindowTitle(ToQt(title_));
    dialog.setDirectory(ToQt(InitialDir.empty() ? Platform::CurrentFolder() : InitialDir));
    if (!impl_->Run(dialog)) {
        Directory.clear();
        NetworkDirectory.clear();
        return false;
    }
    if (!noChangeDir_) {
        std::error_code failure;
        std::filesystem::current_path(Directory, failure);
    }
    return true;
}
