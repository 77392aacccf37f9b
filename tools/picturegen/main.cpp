// orvella_picturegen: paints Orvella's pictures so they can be made again from source.
//
//   QT_QPA_PLATFORM=offscreen orvella_picturegen <output-dir>
//
// writes paths/*.jpg (trumps), spheres/*.jpg (minor groups), runes/*.jpg, pointer.png and
// orvella.png under <output-dir>. Everything is seeded, so reruns give identical files.

#include "CardPainter.h"
#include "IconPainter.h"
#include "PointerPainter.h"
#include "RunePainter.h"
#include "SuitEmblems.h"
#include "TrumpEmblems.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

namespace {

constexpr int jpegQuality = 90;

bool save(const QImage& image, const QString& path, const char* format, int quality = -1)
{
    if (image.save(path, format, quality))
        return true;
    QTextStream(stderr) << "orvella_picturegen: cannot write " << path << '\n';
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: orvella_picturegen <output-dir>\n";
        return 2;
    }

    const QDir out(args.at(1));
    for (const char* sub : {"paths", "spheres", "runes"}) {
        if (!out.mkpath(QString::fromLatin1(sub))) {
            QTextStream(stderr) << "orvella_picturegen: cannot create " << out.filePath(sub)
                                << '\n';
            return 1;
        }
    }

    bool ok = true;
    for (const card::Face& face : trumps::faces())
        ok &= save(card::paint(face), out.filePath("paths/" + face.fileName), "JPG", jpegQuality);
    for (const card::Face& face : suits::faces())
        ok &= save(card::paint(face), out.filePath("spheres/" + face.fileName), "JPG", jpegQuality);
    for (const runes::Stone& stone : runes::paintAll())
        ok &= save(stone.image, out.filePath("runes/" + stone.fileName), "JPG", jpegQuality);
    ok &= save(pointer::paint(), out.filePath("pointer.png"), "PNG");
    ok &= save(icon::paint(), out.filePath("orvella.png"), "PNG");
    return ok ? 0 : 1;
}
