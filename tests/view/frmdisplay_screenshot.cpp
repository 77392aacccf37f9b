// Writes pictures of the reading view for a look by eye: one per tab, for the sign given
// (default Capricorn), with the pointer having rested on Tiphereth.
//
//   QT_QPA_PLATFORM=offscreen orvella_view_screenshot [sign] [file prefix]
//
// gives <prefix>-tab0.png, -tab1.png and -tab2.png (prefix default /tmp/frmDisplay).

#include "KnowledgeTexts.h"
#include "Reading.h"
#include "TreeHighlight.h"
#include "frmDisplay.h"

#include <QApplication>
#include <QTabWidget>
#include <QTextStream>

using namespace orvella;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString signArg = args.value(1, QStringLiteral("Capricorn"));
    const QString prefix = args.value(2, QStringLiteral("/tmp/frmDisplay"));

    SignIndex sign = SignIndex::Capricorn;
    bool found = false;
    for (SignIndex s : AllSigns)
        if (signName(s).compare(signArg, Qt::CaseInsensitive) == 0) {
            sign = s;
            found = true;
        }
    if (!found) {
        QTextStream(stderr) << "unknown sign " << signArg << '\n';
        return 1;
    }

    LoadKnowledgeTexts();
    frmDisplay view;
    view.ShowReading(BuildReading(sign, TheKnowledgeTexts()));
    view.ApplyHighlight(HighlightFor(sign));
    view.lblClick_MouseMove(toInt(SphereIndex::Tiphereth));
    view.show();
    for (int tab = 0; tab < view.tabs()->count(); ++tab) {
        view.tabs()->setCurrentIndex(tab);
        const QString file = QStringLiteral("%1-tab%2.png").arg(prefix).arg(tab);
        if (!view.grab().save(file)) {
            QTextStream(stderr) << "cannot write " << file << '\n';
            return 1;
        }
        QTextStream(stdout) << file << '\n';
    }
    return 0;
}
