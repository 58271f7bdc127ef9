// The heap trim after each photo: on in a plain glibc build, and never in a
// build whose sanitizer brings its own allocator. Under one, glibc's
// allocator is never set up by an allocation; malloc_trim sets it up on
// first use without a lock, and two workers ending their first photo at
// once crash inside it (or fail an allocator assertion when a thread ends).
#include "HeapTrim.h"
#include "TestEnv.h"

#include <QByteArray>
#include <QList>

class TestHeapTrim : public QObject
{
    Q_OBJECT
private slots:
    void offUnderSanitizerAllocators();
};

void TestHeapTrim::offUnderSanitizerAllocators()
{
    // The build's -DGB_SANITIZE setting, e.g. "address,undefined".
    const QList<QByteArray> sanitizers = QByteArray(GB_TEST_SANITIZE).split(',');
    bool ownAllocator = false;
    for (const QByteArray& name : sanitizers)
        ownAllocator = ownAllocator || name == "address" || name == "hwaddress" || name == "thread" || name == "memory";
#ifdef __GLIBC__
    const bool expected = !ownAllocator;
#else
    const bool expected = false;
#endif
    QCOMPARE(HeapTrim::Available(), expected);
    // Safe to call in every build.
    HeapTrim::ReleaseFreed();
}

GB_TEST_MAIN(TestHeapTrim)
#include "tst_heaptrim.moc"
