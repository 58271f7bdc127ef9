// ImageMagick's pixel memory: large blocks freed on a thread that reuses
// them are handed to that thread's next image; nothing else is kept.
#include "CMagickRuntime.h"
#include "CPixelMemory.h"
#include "TestEnv.h"

#include <Magick++.h>

#include <QThread>

#include <cstdint>
#include <cstring>
#include <memory>

namespace {
constexpr std::size_t MiB = std::size_t(1) << 20;

void* Acquire(std::size_t bytes)
{
    return MagickCore::AcquireAlignedMemory(1, bytes);
}

void Relinquish(void* block)
{
    MagickCore::RelinquishAlignedMemory(block);
}
} // namespace

class TestPixelMemory : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void largeBlockIsTakenAgain();
    void keepsTwoAtMostAndNoneTooLarge();
    void blocksUnusedForAWholePhotoGo();
    void smallBlocksAndOtherThreadsKeepNothing();
    void imagesOnAReusingThread();
};

void TestPixelMemory::initTestCase()
{
    QVERIFY(CMagickRuntime::Initialize());
}

void TestPixelMemory::cleanup()
{
    CPixelMemory::SetReuseOnThisThread(false);
    QCOMPARE(CPixelMemory::KeptBlocks(), 0);
}

void TestPixelMemory::largeBlockIsTakenAgain()
{
    CPixelMemory::SetReuseOnThisThread(true);
    void* first = Acquire(40 * MiB);
    QVERIFY(first);
    QCOMPARE(reinterpret_cast<std::uintptr_t>(first) % 64, std::uintptr_t(0));
    std::memset(first, 7, 40 * MiB);
    Relinquish(first);
    QCOMPARE(CPixelMemory::KeptBlocks(), 1);
    QCOMPARE(CPixelMemory::KeptBytes(), 40 * MiB);
    // A photo of much the same size takes the same block.
    void* second = Acquire(36 * MiB);
    QCOMPARE(second, first);
    QCOMPARE(CPixelMemory::KeptBlocks(), 0);
    Relinquish(second);
    // Turning reuse off frees what was kept.
    CPixelMemory::SetReuseOnThisThread(false);
    QCOMPARE(CPixelMemory::KeptBlocks(), 0);
}

void TestPixelMemory::keepsTwoAtMostAndNoneTooLarge()
{
    CPixelMemory::SetReuseOnThisThread(true);
    void* a = Acquire(10 * MiB);
    void* b = Acquire(20 * MiB);
    void* c = Acquire(30 * MiB);
    Relinquish(a);
    Relinquish(b);
    Relinquish(c);
    // The two largest stay.
    QCOMPARE(CPixelMemory::KeptBlocks(), 2);
    QCOMPARE(CPixelMemory::KeptBytes(), 50 * MiB);
    // No block of more than twice the request is handed out.
    void* small = Acquire(9 * MiB);
    QCOMPARE(CPixelMemory::KeptBlocks(), 2);
    // The smallest that holds it.
    void* medium = Acquire(19 * MiB);
    QCOMPARE(CPixelMemory::KeptBytes(), 30 * MiB);
    std::memset(medium, 1, 19 * MiB);
    Relinquish(small);
    Relinquish(medium);
    QCOMPARE(CPixelMemory::KeptBytes(), 50 * MiB);
}

// A large photo's block is not kept while small photos follow.
void TestPixelMemory::blocksUnusedForAWholePhotoGo()
{
    CPixelMemory::SetReuseOnThisThread(true);
    Relinquish(Acquire(190 * MiB)); // a large photo
    CPixelMemory::PhotoDone();
    QCOMPARE(CPixelMemory::KeptBlocks(), 1);
    // A smaller photo neither takes it nor makes it go: its own block
    // takes the other place.
    void* small = Acquire(20 * MiB);
    Relinquish(small);
    QCOMPARE(CPixelMemory::KeptBytes(), 210 * MiB);
    CPixelMemory::PhotoDone();
    QCOMPARE(CPixelMemory::KeptBytes(), 20 * MiB);
    // A block kept since an earlier photo gives way to this photo's, even
    // to a larger one.
    Relinquish(Acquire(100 * MiB));
    Relinquish(Acquire(300 * MiB));
    QCOMPARE(CPixelMemory::KeptBytes(), 400 * MiB);
    // The next photo of much the same size takes its block again.
    CPixelMemory::PhotoDone();
    void* again = Acquire(90 * MiB);
    QCOMPARE(CPixelMemory::KeptBytes(), 300 * MiB);
    Relinquish(again);
}

void TestPixelMemory::smallBlocksAndOtherThreadsKeepNothing()
{
    CPixelMemory::SetReuseOnThisThread(true);
    void* small = Acquire(CPixelMemory::LargeBlock - 1);
    Relinquish(small);
    QCOMPARE(CPixelMemory::KeptBlocks(), 0);

    // A thread that has not asked for reuse frees its large blocks; a
    // thread that ends frees what it kept.
    int keptWithout = -1;
    int keptWith = -1;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        Relinquish(Acquire(20 * MiB));
        keptWithout = CPixelMemory::KeptBlocks();
        CPixelMemory::SetReuseOnThisThread(true);
        Relinquish(Acquire(20 * MiB));
        keptWith = CPixelMemory::KeptBlocks();
    }));
    thread->start();
    QVERIFY(thread->wait(60000));
    QCOMPARE(keptWithout, 0);
    QCOMPARE(keptWith, 1);
    QCOMPARE(CPixelMemory::KeptBlocks(), 0);
}

void TestPixelMemory::imagesOnAReusingThread()
{
    CPixelMemory::SetReuseOnThisThread(true);
    // Two images of 2000 x 1500 take more than the large size each; the
    // second is built in the first one's memory and has its own pixels.
    Magick::Image red(Magick::Geometry(2000, 1500), Magick::Color("red"));
    red.modifyImage();
    QCOMPARE(red.pixelColor(1999, 1499), Magick::Color("red"));
    red = Magick::Image();
    QCOMPARE(CPixelMemory::KeptBlocks(), 1);
    Magick::Image blue(Magick::Geometry(2000, 1500), Magick::Color("blue"));
    QCOMPARE(CPixelMemory::KeptBlocks(), 0);
    QCOMPARE(blue.pixelColor(0, 0), Magick::Color("blue"));
    QCOMPARE(blue.pixelColor(1999, 1499), Magick::Color("blue"));
    Magick::Image copy = blue;
    copy.negate();
    QCOMPARE(blue.pixelColor(5, 5), Magick::Color("blue"));
    QCOMPARE(copy.pixelColor(5, 5), Magick::Color("yellow"));
}

GB_TEST_MAIN(TestPixelMemory)
#include "tst_pixelmemory.moc"
