#include "framework/FileDrops.h"

#include "framework/TForm.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

// A file address carries the name's bytes percent-encoded, so decoding them keeps a name
// that is not valid text as the file system has it.
std::string FileName(const QUrl& url)
{
    QByteArray name = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    if (!url.host().isEmpty())
        name.prepend("//" + url.host().toUtf8());
    else if (name.size() > 2 && name[0] == '/' && name[2] == ':')
        name.remove(0, 1);
    return name.toStdString();
}

// The names of the local files the drag carries, byte for byte as the file system has them.
std::vector<std::string> LocalFiles(const QMimeData* data)
{
    std::vector<std::string> files;
    if (!data)
        return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            files.push_back(FileName(url));
    }
    return files;
}

} // namespace

void FileDrops::Watch()
{
    static FileDrops* watching = nullptr;
    if (watching)
        return;
    watching = new FileDrops;
    watching->setParent(qApp);
    qApp->installEventFilter(watching);
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    auto& drop = static_cast<QDropEvent&>(*event);
    const std::vector<std::string> files = LocalFiles(drop.mimeData());
    auto* form = widget ? dynamic_cast<TForm*>(TControl::Owning(widget->window())) : nullptr;
    if (!form || files.empty())
        return false;
    if (!form->Widget()->acceptDrops()) {
        drop.ignore();
        return true;
    }
    drop.acceptProposedAction();
    if (type == QEvent::Drop && form->OnFilesDropped)
        form->OnFilesDropped(files);
    return true;
}
