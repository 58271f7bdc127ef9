#pragma once

#include <QApplication>
#include <QString>
#include <QtTest>

// Per-process sandbox for tests: its own HOME, XDG_CONFIG_HOME,
// XDG_RUNTIME_DIR (0700) and TMPDIR, the offscreen platform and the build's
// Resources folder. Must run before the application object is created.
namespace TestEnv {
void Prepare();
// Runs after the application object exists: ImageMagick start-up.
void AfterApplication();
// Root of this process's sandbox (removed at exit).
QString Root();
// A fresh empty folder inside the sandbox.
QString NewFolder(const QString& name);
// Folder with real photos ($GLIMMERBOX_SHARED_PHOTOS, else ../shared/photos/
// exif-samples beside the source folder), or "" when it is not there.
QString SharedPhotos();
// Sets or clears the immutable flag of a folder; false when the file system
// or the user's rights do not allow it.
bool SetImmutable(const QString& path, bool on);
} // namespace TestEnv

#define GB_TEST_MAIN(TestObject)                                                                   \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        TestEnv::Prepare();                                                                        \
        QApplication app(argc, argv);                                                              \
        TestEnv::AfterApplication();                                                               \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
