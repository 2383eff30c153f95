#include "tests/mainform/AppFormFixture.h"

#include "dialogs/Unit4.h"
#include "dialogs/namelistform.h"
#include "tests/support/QtTesting.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <QWidget>

void AppFormFixture::MakeWindow()
{
    RecordMessages();
    Application->CreateForm(AppForm);
    Application->CreateForm(NameListForm);
    Application->CreateForm(RenameListForm);
    AppForm->UseProgramFolder(folder_.Path());
}

void AppFormFixture::Restart()
{
    Testing::WaitForWorkers();
    EndApplication();
    StartApplication();
    MakeWindow();
}

void AppFormFixture::StartAndLoad()
{
    Form().Show();
    QApplication::setActiveWindow(Form().Widget());
    ASSERT_TRUE(TestSupport::WaitUntil([this] { return !Form().FirstActivation; }));
    Testing::WaitForWorkers();
}

void AppFormFixture::CloseByUser()
{
    Form().Widget()->close();
}

std::string AppFormFixture::WriteList(const VT::PlayList& list, const std::string& extension) const
{
    std::string bytes;
    list.Write(bytes);
    folder_.Write(list.GetName() + extension, bytes);
    return bytes;
}

VT::PlayList SongList(const std::string& name, int count)
{
    VT::PlayList list = ListOf(name, {});
    for (int i = 1; i <= count; ++i)
        list.songs.push_back(Titled(name + " " + std::to_string(i)));
    return list;
}

bool InFrontOf(const TControl& front, const TControl& behind)
{
    const QObjectList& siblings = front.Widget()->parentWidget()->children();
    return siblings.indexOf(front.Widget()) > siblings.indexOf(behind.Widget());
}

VT::ListPtr ListFormFixture::AddSource(const VT::PlayList& list)
{
    Form().LoadSources(std::vector{list});
    return Form().SourceInfos.back().Handle;
}

VT::ListPtr ListFormFixture::AddPlayList(const VT::PlayList& list)
{
    Form().LoadPlayLists(std::vector{list});
    return Form().PlayListInfos[Form().FindPlayListInfo(list.GetName())].Handle;
}

VT::ListPtr ListFormFixture::ShowSource(const VT::PlayList& list)
{
    const VT::ListPtr source = AddSource(list);
    ClickRow(*Form().SourceListBox, Form().SourceListBox->Items().Count() - 1);
    return source;
}

VT::ListPtr ListFormFixture::ShowPlayList(const VT::PlayList& list)
{
    const VT::ListPtr playList = AddPlayList(list);
    ClickRow(*Form().PlaylistListBox, Form().FindPlayListInfo(list.GetName()));
    return playList;
}

void ListFormFixture::ClickRow(TListBox& box, int row, bool rightButton)
{
    QTest::mouseClick(box.ClientWidget(), rightButton ? Qt::RightButton : Qt::LeftButton, {}, RowPoint(box, row));
}

QPoint ListFormFixture::RowPoint(const TListBox& box, int row)
{
    const TRect rect = box.ItemRect(row);
    return QPoint(rect.Left + 4, (rect.Top + rect.Bottom) / 2);
}

void ListFormFixture::ClickColumn(int column)
{
    QHeaderView* header = static_cast<QTableView*>(Form().mp3ListView->Widget())->horizontalHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

QPoint ListFormFixture::SongRowPoint(int row) const
{
    const int height = static_cast<QTableView*>(Form().mp3ListView->Widget())->verticalHeader()->defaultSectionSize();
    return QPoint(40, row * height + height / 2);
}

void ListFormFixture::ClickSongRow(int row, bool rightButton)
{
    QTest::mouseClick(Form().mp3ListView->ClientWidget(), rightButton ? Qt::RightButton : Qt::LeftButton, {},
                      SongRowPoint(row));
}

void ListFormFixture::Click(TControl& control)
{
    QTest::mouseClick(control.Widget(), Qt::LeftButton, {}, control.Widget()->rect().center());
}

void ListFormFixture::Choose(TComboBox& box, int entry)
{
    auto& combo = *static_cast<QComboBox*>(box.Widget());
    combo.showPopup();
    QAbstractItemView* list = combo.view();
    const QModelIndex index = list->model()->index(entry, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

void ListFormFixture::Type(TControl& box, const std::string& text)
{
    TestSupport::Type(box.Widget(), QString::fromStdString(text));
}

std::vector<std::string> ListFormFixture::Column(int column) const
{
    std::vector<std::string> texts;
    for (int row = 0; row < Form().mp3ListView->Items().Count(); ++row)
        texts.push_back(Form().mp3ListView->Items().Item(row).ColumnText(column));
    return texts;
}
