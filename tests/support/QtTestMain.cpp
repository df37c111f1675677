// Test entry point for widget tests: one QApplication on the offscreen
// platform, created after main starts (never at static initialisation, since
// test discovery runs the binary at build time).
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    QtEnvironment(int& argCount, char** args) : argc(argCount), argv(args) {}

    void SetUp() override
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app.reset(); }

private:
    int& argc;
    char** argv;
    std::unique_ptr<QApplication> app;
};

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new QtEnvironment(argc, argv)); // gtest owns it
    return RUN_ALL_TESTS();
}
