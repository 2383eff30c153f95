#include "tests/mainform/AppFormFixture.h"

#include "framework/Testing.h"
#include "tests/support/QtTesting.h"

#include <QApplication>
#include <QWidget>
#include <QDeadlineTimer>

AppFormFixture::AppFormFixture()
{
    TestSupport::EnsureOffscreenQt();
    StartApplication();
}

AppFormFixture::~AppFormFixture()
{
    EndApplication();
}

void AppFormFixture::StartApplication()
{
    application_.emplace(TestSupport::ArgumentCount(), TestSupport::Arguments());
    Application->Initialize();
    // A test that closes the window while the load runs lets the worker end by itself.
    Testing::SetProcessEnd([] {});
    Testing::SetMessageHook([this](const std::string& text, const std::string&) {
        messages_.push_back(text);
        return mrOk;
    });
    Application->CreateForm(AppForm);
    AppForm->UseProgramFolder(folder_.Path());
}

void AppFormFixture::EndApplication()
{
    Testing::WaitForWorkers();
    application_.reset();
    AppForm = nullptr;
}

void AppFormFixture::Restart()
{
    EndApplication();
    StartApplication();
}

void AppFormFixture::Show()
{
    Form().Show();
    ASSERT_TRUE(WaitUntil([this] { return !Form().FirstActivation; }));
}

void AppFormFixture::StartAndLoad()
{
    Show();
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
    VT::PlayList list;
    list.SetName(name);
    for (int i = 1; i <= count; ++i) {
        VT::Song song;
        song.SetTitle(name + " " + std::to_string(i));
        song.SetArtist("Artist " + std::to_string(i % 3));
        song.SetAlbum("Album");
        song.SetYear(std::to_string(1960 + i));
        song.SetGenre("Rock");
        song.SetFolder("/music/" + name);
        song.SetFileName(song.GetTitle() + ".mp3");
        list.songs.push_back(song);
    }
    return list;
}

std::vector<std::string> Rows(TListBox& box)
{
    std::vector<std::string> rows;
    for (int row = 0; row < box.Items().Count(); ++row)
        rows.push_back(box.Items()[row]);
    return rows;
}

// ---- List panes, song view and search (ListPanesTest, SongViewTest, SearchTest) ----

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QTableView>
#include <QTest>

void ListFormFixture::StartIfNeeded()
{
    if (Form().FirstActivation)
        StartAndLoad();
}

VT::ListPtr ListFormFixture::AddSource(const VT::PlayList& list)
{
    StartIfNeeded();
    const VT::ListPtr source = Form().Model.AddLoadedSources({list}).front();
    Form().SourceInfos.push_back(ListInfo{source, source->GetName(), {}});
    Form().AddSourceEntry(source);
    return source;
}

VT::ListPtr ListFormFixture::AddPlayList(const VT::PlayList& list)
{
    StartIfNeeded();
    const VT::ListPtr playList = Form().Model.AddLoadedPlayLists({list}).front();
    Form().AddPlayListEntry(playList);
    return playList;
}

void ListFormFixture::ClickRow(TListBox& box, int row, bool rightButton)
{
    const TRect rect = box.ItemRect(row);
    QTest::mouseClick(box.ClientWidget(), rightButton ? Qt::RightButton : Qt::LeftButton, {},
                      QPoint(rect.Left + 4, (rect.Top + rect.Bottom) / 2));
}

void ListFormFixture::ClickColumn(int column)
{
    QHeaderView* header = static_cast<QTableView*>(Form().mp3ListView->Widget())->horizontalHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
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
    QTest::keyClicks(box.Widget(), QString::fromStdString(text));
}

std::vector<std::string> ListFormFixture::Column(int column) const
{
    std::vector<std::string> texts;
    for (int row = 0; row < Form().mp3ListView->Items().Count(); ++row)
        texts.push_back(Form().mp3ListView->Items().Item(row).ColumnText(column));
    return texts;
}

VT::Song MakeSong(const std::string& title, const std::string& artist, const std::string& year, const std::string& genre)
{
    VT::Song song;
    song.SetTitle(title);
    song.SetArtist(artist);
    song.SetYear(year);
    song.SetGenre(genre);
    song.SetAlbum(title + " album");
    song.SetFileName(title + ".mp3");
    song.SetFolder("/music");
    return song;
}

VT::PlayList ListOf(const std::string& name, const std::vector<VT::Song>& songs)
{
    VT::PlayList list;
    list.SetName(name);
    list.songs = songs;
    return list;
}
