#include "tests/mainform/AppFormFixture.h"

#include "dialogs/aboutdlg.h"
#include "dialogs/messagebox.h"
#include "platform/WholeFile.h"

#include <QApplication>
#include <QScrollBar>
#include <QTextBrowser>

#include <functional>

namespace {

QTextBrowser* ShownHelpViewer()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* viewer = qobject_cast<QTextBrowser*>(window); viewer && viewer->isVisible())
            return viewer;
    }
    return nullptr;
}

// Modal windows are answered with OK and recorded: the message dialog by its text.
class HelpCommands : public ListFormFixture {
protected:
    void SetUp() override
    {
        ListFormFixture::SetUp();
        Application->CreateForm(MessageDialog);
        Application->CreateForm(About);
        Testing::RecordShellOpens();
        Testing::SetModalHook([this](TForm& form) {
            told.push_back(&form == About ? "About" : MessageDialog->CaptionText->Caption());
            return mrOk;
        });
    }

    Strings told;
};

TEST_F(HelpCommands, OpenTheDocumentsWhenTheyCanBeReadTheAboutBoxAndTheWebPage)
{
    Folder().Write("help.pdf", "%PDF-1.4");
    Folder().MakeFolder("faq.pdf");
    struct Case { std::function<void()> command; Strings told; Strings opened; };
    const Case cases[] = {
        {[&] { Form().UsersManualActionExecute(); }, {}, {Folder() / "help.pdf"}},
        {[&] { Form().FAQActionExecute(); }, {"Error: Could not find \"faq.pdf\""}, {}},
        {[&] { Platform::DeleteFile(Folder() / "help.pdf"); Form().UsersManualActionExecute(); },
         {"Error: Could not find \"help.pdf\""}, {}},
        {[&] { Form().AboutActionExecute(); }, {"About"}, {}},
        {[&] { Form().Image5Click(); }, {}, {"https://vesktunelo.example.org/"}},
    };
    std::ptrdiff_t seen = 0;
    for (const Case& c : cases) {
        told.clear();
        c.command();
        EXPECT_EQ(told, c.told);
        const Strings& opens = Testing::ShellOpens();
        EXPECT_EQ(Strings(opens.begin() + seen, opens.end()), c.opened);
        seen = std::ssize(opens);
    }
}

// F1 shows the program folder's help file from its start, also after the reader scrolled
// down; without the file the viewer says so and shows nothing.
TEST_F(HelpCommands, HelpShowsTheHelpFileOfTheProgramFolderFromItsStart)
{
    Form().HelpActionExecute();
    EXPECT_EQ(Messages(), Strings{"The help file \"" + Folder() / "vesktunelo.hlp" + "\" could not be opened."});
    EXPECT_EQ(ShownHelpViewer(), nullptr);
    Folder().Write("vesktunelo.hlp", "<h1>Contents</h1><pre>" + std::string(300, '\n') + "End</pre>");
    for (int opening = 0; opening < 2; ++opening) {
        Form().HelpActionExecute();
        QTextBrowser* viewer = ShownHelpViewer();
        ASSERT_NE(viewer, nullptr);
        EXPECT_TRUE(viewer->toPlainText().startsWith("Contents\n\n\n"));
        QScrollBar& scroll = *viewer->verticalScrollBar();
        EXPECT_EQ(scroll.value(), 0);
        Testing::ProcessIdle();
        scroll.setValue(scroll.maximum());
        ASSERT_GT(scroll.value(), 0);
    }
}

} // namespace
