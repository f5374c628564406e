// Test entry shared by every test program: a QApplication on the offscreen
// platform, so widgets can be built, painted and grabbed without a display.
// The program's settings and data go to a fresh temporary folder, so that a
// test never reads or writes a person's real ones.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// Every test starts as a first run: no stored choices of the program.
class FreshSettings : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        QSettings(QStringLiteral("Kestravin"), QStringLiteral("Kestravin 2005")).clear();
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        // Qt wants a private runtime folder; make one per user.
        const std::string dir = "/tmp/kestravin-runtime-" + std::to_string(getuid());
        QDir().mkpath(QString::fromStdString(dir));
        QFile::setPermissions(QString::fromStdString(dir),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    }
    char configTemplate[] = "/tmp/kestravin-test-config-XXXXXX";
    const char* config = mkdtemp(configTemplate);
    if (config) {
        setenv("XDG_CONFIG_HOME", config, 1);
        setenv("XDG_DATA_HOME", config, 1);
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshSettings);
    const int result = RUN_ALL_TESTS();
    if (config)
        QDir(QString::fromLocal8Bit(config)).removeRecursively();
    return result;
}
