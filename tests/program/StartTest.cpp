// How the built program starts: without a display, and beside another copy of itself.
#include "platform/FolderLock.h"
#include "tests/support/TempFolder.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <poll.h>

namespace {

// No display set, a display with no server behind it, the X platform asked for without one.
TEST(WithoutADisplay, TheProgramSaysSoInOneLineAndEndsWithOne)
{
    const std::vector<std::pair<QString, QString>> environments[] = {{}, {{"DISPLAY", ":65000"}}, {{"QT_QPA_PLATFORM", "xcb"}}};
    for (const auto& variables : environments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        for (const auto& [name, value] : variables)
            environment.insert(name, value);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(VESKTUNELO_PROGRAM, {});
        ASSERT_TRUE(program.waitForFinished(30000));
        const std::string said = QString::fromLocal8Bit(program.readAllStandardError()).toStdString();
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << said;
        EXPECT_EQ(program.exitCode(), 1) << said;
        EXPECT_EQ(std::ranges::count(said, '\n'), 1) << said;
        EXPECT_TRUE(said.starts_with("vesktunelo: no display to open the window on")) << said;
    }
}

using State = Platform::FolderLock::State;
template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

// A save killed before its rename left this behind.
const char* const LeftTemporary = ".vt-0123abcd.tmp";

// The program copied into a folder of its own, which is thereby its program folder, with a
// list file, "options.opt" and the file a killed save left.
class OneCopy : public ::testing::Test {
protected:
    OneCopy()
    {
        folder_.Write("Jazz.vts", "VTFILE\r\n-name-\r\nJazz\r\n-count-\r\n0\r\nEND VTFILE\r\n");
        folder_.Write("options.opt", "0 1 0 0\n");
        folder_.Write(LeftTemporary, "half a list");
        EXPECT_TRUE(QFile::copy(VESKTUNELO_PROGRAM, QString::fromStdString(folder_ / "vesktunelo")));
    }

    void Start(QProcess& program, const std::string& display = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", QString::fromStdString(display));
        environment.insert("QT_QPA_PLATFORM", display.empty() ? "offscreen" : "xcb");
        program.setProcessEnvironment(environment);
        program.start(QString::fromStdString(folder_ / "vesktunelo"), {});
        ASSERT_TRUE(program.waitForStarted());
    }

    std::string Contents() const
    {
        std::string contents;
        for (const std::string& name : folder_.Entries())
            contents += name + ":" + (name == "vesktunelo" ? "" : folder_.Read(name)) + "\n";
        return contents;
    }

    TestSupport::TempFolder folder_;
};

// An X server of the test's own, on which a window is found and closed as a user would.
class XServer {
public:
    XServer()
    {
        server_.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp"});
        while (!display_.ends_with('\n') && server_.waitForReadyRead(30000))
            display_ += server_.readAllStandardOutput().toStdString();
        display_ = ":" + display_.substr(0, display_.find('\n'));
        x_ = xcb_connect(display_.c_str(), nullptr);
        // Top-level windows are children of the root: their mapping is reported from now on.
        const std::uint32_t notify = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(x_, xcb_setup_roots_iterator(xcb_get_setup(x_)).data->root, XCB_CW_EVENT_MASK,
                                     &notify);
        xcb_flush(x_);
    }
    ~XServer()
    {
        xcb_disconnect(x_);
        server_.kill();
        server_.waitForFinished();
    }

    // Empty when the server could not be reached.
    std::string Display() const { return xcb_connection_has_error(x_) ? "" : display_; }

    xcb_atom_t Atom(const std::string& name) const
    {
        const Reply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(x_, xcb_intern_atom(x_, 0, name.size(), name.c_str()), nullptr), &std::free);
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }

    // The next top-level window mapped within 30 seconds.
    xcb_window_t NextMappedWindow() const
    {
        pollfd readable{xcb_get_file_descriptor(x_), POLLIN, 0};
        do {
            while (const Reply<xcb_generic_event_t> event{xcb_poll_for_event(x_), &std::free}) {
                const auto* mapped = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
                if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && !mapped->override_redirect)
                    return mapped->window;
            }
        } while (::poll(&readable, 1, 30000) > 0);
        return XCB_WINDOW_NONE;
    }

    xcb_atom_t WindowType(xcb_window_t window) const
    {
        const auto asked = xcb_get_property(x_, 0, window, Atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 0, 1);
        const Reply<xcb_get_property_reply_t> type(xcb_get_property_reply(x_, asked, nullptr), &std::free);
        const bool one = type && xcb_get_property_value_length(type.get()) == sizeof(xcb_atom_t);
        return one ? *static_cast<const xcb_atom_t*>(xcb_get_property_value(type.get())) : xcb_atom_t{XCB_ATOM_NONE};
    }

    // As the close box of the window's title bar does.
    void Close(xcb_window_t window) const
    {
        const xcb_client_message_event_t close{.response_type = XCB_CLIENT_MESSAGE, .format = 32, .sequence = 0,
                                               .window = window, .type = Atom("WM_PROTOCOLS"),
                                               .data = {.data32 = {Atom("WM_DELETE_WINDOW")}}};
        xcb_send_event(x_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&close));
        xcb_flush(x_);
    }

private:
    QProcess server_;
    std::string display_;
    xcb_connection_t* x_ = nullptr;
};

// The first copy holds the folder from its start, having removed what a killed save left:
// the second's only window is a box, and once it is closed the second ends having written
// no file. The first holds the folder until it is killed.
TEST_F(OneCopy, ASecondCopySaysSoAndEndsTouchingNoFile)
{
    QProcess first;
    Start(first);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !folder_.Exists(LeftTemporary); }, 30000));
    const std::string before = Contents();
    const XServer server;
    ASSERT_NE(server.Display(), "");
    QProcess second;
    Start(second, server.Display());
    const xcb_window_t box = server.NextMappedWindow();
    // A box is a dialog, shown to the window manager as a toolbar: title and close box alone.
    EXPECT_EQ(server.WindowType(box), server.Atom("_NET_WM_WINDOW_TYPE_TOOLBAR"));
    server.Close(box);
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(Contents(), before);
    first.kill();
    ASSERT_TRUE(first.waitForFinished());
    EXPECT_EQ(Platform::FolderLock(folder_.Path()).GetState(), State::Held);
}

} // namespace
