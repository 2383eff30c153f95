#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Environment {
    const char* name;
    std::vector<std::pair<QString, QString>> variables;
};

void PrintTo(const Environment& environment, std::ostream* out)
{
    *out << environment.name;
}

class WithoutADisplay : public ::testing::TestWithParam<Environment> {};

TEST_P(WithoutADisplay, TheProgramSaysSoInOneLineAndEndsWithOne)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    for (const auto& [name, value] : GetParam().variables)
        environment.insert(name, value);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(VESKTUNELO_PROGRAM, {});
    ASSERT_TRUE(program.waitForFinished(30000));
    const QString said = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_EQ(said.count('\n'), 1) << said.toStdString();
    EXPECT_TRUE(said.startsWith("vesktunelo: no display to open the window on")) << said.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Environments, WithoutADisplay,
                         ::testing::Values(Environment{"NoDisplaySet", {}},
                                           Environment{"NoServerBehindTheDisplay", {{"DISPLAY", ":65000"}}},
                                           Environment{"XcbWithoutAServer", {{"QT_QPA_PLATFORM", "xcb"}}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
