#include "dialogs/OpenDir.h"
#include "tests/support/ApplicationFixture.h"
#include "tests/support/TempFolder.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QTest>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// The picker starts in the test's folder, the process's current folder during the test.
class OpenDirectory : public ApplicationFixture {
protected:
    OpenDirectory() { folder.MakeFolder("Sub"); }
    ~OpenDirectory() override { fs::current_path(startFolder); }

    const fs::path startFolder = fs::current_path();
    TestSupport::TempFolder folder;
    TOpenDirectory picker;
};

struct PickerRun { bool noChangeDir, accept; std::string directory, currentFolder; };

// The folder typed is chosen with the accept button, and becomes the current folder
// unless NoChangeDir; Cancel chooses nothing.
TEST_F(OpenDirectory, ChoosesTheFolderAndMovesTheCurrentFolderUnlessAsked)
{
    const std::string sub = folder / "Sub";
    for (const PickerRun& run : {PickerRun{false, true, sub, sub}, PickerRun{true, true, sub, folder.Path()},
                                              PickerRun{false, false, "", folder.Path()}}) {
        fs::current_path(folder.Path());
        picker.SetNoChangeDir(run.noChangeDir);
        picker.OnShow = [&run](TImplOpenDirectory& sender) {
            auto* buttons = sender.Dialog->findChild<QDialogButtonBox*>();
            sender.Dialog->selectFile("Sub");
            QTest::mouseClick(buttons->button(run.accept ? QDialogButtonBox::Open : QDialogButtonBox::Cancel),
                              Qt::LeftButton);
        };
        EXPECT_EQ(picker.Execute(), run.accept);
        EXPECT_EQ(picker.Directory, run.directory);
        EXPECT_EQ(picker.NetworkDirectory, "");
        EXPECT_TRUE(fs::equivalent(fs::current_path(), run.currentFolder));
    }
}

} // namespace
