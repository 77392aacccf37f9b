#pragma once

// The cache's size is declared for Qt's own tests only, but the library exports it.
#define Q_TEST_QPIXMAPCACHE
#include <QPixmap>
#include <QPixmapCache>

// The kilobytes the pixmap cache holds. Qt tells only whole megabytes, rounded up, so a filler
// of a known size is added until the figure steps up: that step is where the kilobytes held
// reach the next megabyte.
inline int pixmapCacheKilobytes()
{
    const int megabytes = QPixmapCache::totalUsed();
    const auto stepsUpWith = [megabytes](int kilobytes) {
        QPixmap filler(256, kilobytes); // 4 bytes a pixel: one kilobyte a row
        filler.fill(Qt::black);
        const QPixmapCache::Key key = QPixmapCache::insert(filler);
        const bool stepped = QPixmapCache::totalUsed() > megabytes;
        QPixmapCache::remove(key);
        return stepped;
    };
    int low = 1;
    int high = 1025; // 1024 more kilobytes always step up
    while (low < high) {
        const int middle = (low + high) / 2;
        if (stepsUpWith(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return 1024 * megabytes - low + 1;
}
