#ifdef TEMPIRO_TEST_WIDGETS
#include <QApplication>
#else
#include <QCoreApplication>
#endif
#include <QTemporaryDir>
#include <ctime>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests (ctest's discovery) needs no window system.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();

    // Every run, and every program a test starts, sees the same platform, locale, zone and a
    // private runtime folder, whether ctest or a developer starts it.
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LANG", "C.UTF-8");
    qputenv("LC_ALL", "C.UTF-8");
    qputenv("TZ", "UTC");
    tzset();

#ifdef TEMPIRO_TEST_WIDGETS
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
