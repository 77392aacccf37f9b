// orvella_picturegen: paints Orvella's pictures so they can be made again from source.
//
//   QT_QPA_PLATFORM=offscreen orvella_picturegen <output-dir> [<icon-theme-dir>]
//
// writes paths/*.jpg (trumps), spheres/*.jpg (minor groups), runes/*.jpg, pointer.png and
// orvella.png under <output-dir>, each also at twice the size as name@2x (for screens with
// twice the pixel density). With <icon-theme-dir> it also writes the desktop icon there, as
// hicolor/<n>x<n>/apps/org.orvella.Orvella.png for the usual sizes and
// hicolor/scalable/apps/org.orvella.Orvella.svg. Everything is seeded, so reruns give
// identical files.

#include "CardPainter.h"
#include "IconPainter.h"
#include "PointerPainter.h"
#include "RunePainter.h"
#include "SuitEmblems.h"
#include "TrumpEmblems.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

namespace {

constexpr int jpegQuality = 90;
constexpr const char* desktopId = "org.orvella.Orvella";
constexpr int themeSizes[] = {16, 24, 32, 48, 64, 128, 256};

// "paths/death.jpg" -> "paths/death@2x.jpg": the name Qt looks for on a 2x screen.
QString twice(const QString& fileName)
{
    const QFileInfo info(fileName);
    const QString folder = info.path() == QStringLiteral(".") ? QString() : info.path() + '/';
    return folder + info.completeBaseName() + QStringLiteral("@2x.") + info.suffix();
}

bool makeFolder(const QDir& dir, const QString& sub)
{
    if (dir.mkpath(sub))
        return true;
    QTextStream(stderr) << "orvella_picturegen: cannot create " << dir.filePath(sub) << '\n';
    return false;
}

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
    if (args.size() != 2 && args.size() != 3) {
        QTextStream(stderr) << "usage: orvella_picturegen <output-dir> [<icon-theme-dir>]\n";
        return 2;
    }

    const QDir out(args.at(1));
    for (const char* sub : {"paths", "spheres", "runes"})
        if (!makeFolder(out, QString::fromLatin1(sub)))
            return 1;

    bool ok = true;
    auto both = [&](const QString& name, const QImage& one, const QImage& two, const char* format,
                    int quality) {
        ok &= save(one, out.filePath(name), format, quality);
        ok &= save(two, out.filePath(twice(name)), format, quality);
    };
    for (const card::Face& face : trumps::faces())
        both("paths/" + face.fileName, card::paint(face), card::paint(face, 2), "JPG", jpegQuality);
    for (const card::Face& face : suits::faces())
        both("spheres/" + face.fileName, card::paint(face), card::paint(face, 2), "JPG",
             jpegQuality);
    for (const runes::Stone& stone : runes::paintAll())
        both("runes/" + stone.fileName, stone.image, stone.image2x, "JPG", jpegQuality);
    both(QStringLiteral("pointer.png"), pointer::paint(), pointer::paint(2), "PNG", -1);
    both(QStringLiteral("orvella.png"), icon::paint(), icon::paint(2 * icon::size), "PNG", -1);

    if (args.size() == 3) {
        const QDir theme(args.at(2));
        const QString name = QString::fromLatin1(desktopId);
        for (int pixels : themeSizes) {
            const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(pixels);
            if (!makeFolder(theme, folder))
                return 1;
            ok &= save(icon::paint(pixels), theme.filePath(folder + '/' + name + ".png"), "PNG");
        }
        const QString scalable = QStringLiteral("hicolor/scalable/apps");
        if (!makeFolder(theme, scalable))
            return 1;
        const QString svg = theme.filePath(scalable + '/' + name + ".svg");
        if (!icon::writeSvg(svg)) {
            QTextStream(stderr) << "orvella_picturegen: cannot write " << svg << '\n';
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
