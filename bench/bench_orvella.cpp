// What a user of Orvella waits for and what a long session leaves behind, measured offscreen
// on a 1920×1080 screen:
//   - start-up to the first paint of the input window, beside a plain Qt program that shows
//     the same window without logic;
//   - Proceed to the first paint of the reading view in the maximised frame, the first
//     Proceed of a run apart from the later ones;
//   - Print to the first paint of the report window;
//   - the engine's work for all twelve signs;
//   - resident memory after start-up, after one reading and after one report;
//   - widgets, the style's pixmap cache and resident memory after many
//     Proceed → Print → close → Back cycles.
//
// The program runs in child processes of this one (the same binary with --child), the plain
// window in a program of its own (orvella_plain, which links only Qt Core, Gui and Widgets), so
// that every start-up is that of a fresh process. With --callgrind the children run
// under valgrind and the figures are instruction counts, which repeat exactly.
#include "Application.h"
#include "BirthDateLists.h"
#include "Dialogs.h"
#include "KnowledgeTexts.h"
#include "PaintProbe.h"
#include "PixmapCacheSize.h"
#include "Reading.h"
#include "SignDetermination.h"
#include "TreeHighlight.h"
#include "Twips.h"
#include "WebPage.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace orvella;
using namespace orvella::bench;

namespace {

using Figures = QMap<QString, QList<double>>;

PaintProbe* probe = nullptr;
qint64 spawnedAt = 0;
int cycleCount = 1;

template <typename T> T* child(const char* windowName, const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1StringView(windowName))
            if (auto* found = window->findChild<T*>(QLatin1StringView(name)))
                return found;
    std::fprintf(stderr, "no %s in %s\n", name, windowName);
    std::_Exit(2);
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void reportLeftovers(int cycle)
{
    const QByteArray suffix = QByteArray::number(cycle);
    report(("widgets_" + suffix).constData(),
           static_cast<double>(QApplication::allWidgets().size()));
    report(("pixmapcache_kb_" + suffix).constData(), pixmapCacheKilobytes());
    report(("rss_mb_" + suffix).constData(), residentMegabytes());
}

// The user's session: a reading for ANNA, born on 5 January 1990, its report, and back;
// again and again.
void runSession()
{
    child<QLineEdit>("frmMain", "txtName")->setText(QStringLiteral("ANNA"));
    child<QComboBox>("frmMain", "cboDate")->setCurrentIndex(4);
    child<QComboBox>("frmMain", "cboMonth")->setCurrentIndex(0);
    auto* year = child<QComboBox>("frmMain", "cboYear");
    year->setCurrentIndex(year->findText(QStringLiteral("1990")));
    auto* proceed = child<QPushButton>("frmMain", "cmdProceed");

    const auto isView = [](const QWidget* w) {
        return w->objectName() == QLatin1StringView("frmDisplay");
    };
    const auto isReport = [](const QWidget* w) { return inWindow(w, "frmSave"); };
    const auto closeReport = [] {
        if (QWidget* report = QApplication::activeModalWidget())
            report->close();
    };

    for (int cycle = 1; cycle <= cycleCount; ++cycle) {
        const bool first = cycle == 1;
        const qint64 proceedNs = probe->measure(
            isView, [&] { proceed->click(); }, first ? "proceed_first" : "proceed_later");
        report(first ? "proceed_first" : "proceed_later", milliseconds(proceedNs));
        if (first)
            report("rss_mb_reading", residentMegabytes());

        auto* print = child<QPushButton>("frmMdi", "cmdPrint");
        const qint64 reportNs = probe->measure(
            isReport, [&] { print->click(); }, first ? "report_first" : "report_later",
            closeReport);
        report(first ? "report_first" : "report_later", milliseconds(reportNs));
        if (first)
            report("rss_mb_report", residentMegabytes());

        child<QPushButton>("frmMdi", "cmdBack")->click();
        settle();
        if (cycle == 1 || cycle == 20 || cycle == cycleCount)
            reportLeftovers(cycle);
    }
    std::fflush(stdout);
    std::_Exit(0);
}

// Installed as soon as the application object exists, before the program builds anything.
void watchProgram()
{
    probe = new PaintProbe;
    qApp->installEventFilter(probe);
    probe->expect([](const QWidget* w) { return inWindow(w, "frmMain"); },
                  [] {
                      report("startup", milliseconds(probe->paintedAt() - spawnedAt));
                      settle(); // what the program leaves for after its first paint
                      report("rss_mb_startup", residentMegabytes());
                      runSession();
                  },
                  "startup");
}

// Answers the update reminder, should the settings ask for it, without a window.
class QuietDialogs final : public DialogBackend {
public:
    void message(QWidget*, const QString&, QMessageBox::Icon) override {}
    bool question(QWidget*, const QString&) override { return false; }
    QString saveFileName(QWidget*, const FileDialogSetup&) override { return {}; }
    QString openFileName(QWidget*, const FileDialogSetup&) override { return {}; }
    bool print(QWidget*, QPrinter&, bool) override { return false; }
    PrinterCondition printerCondition(const QPrinter&) override { return PrinterCondition::Ready; }
};

int runProgramChild()
{
    static QuietDialogs dialogs;
    Dialogs::setBackend(&dialogs);
    qAddPreRoutine(watchProgram);
    static char name[] = "orvella";
    static char* argv[] = {name, nullptr};
    static int argc = 1;
    return RunProgram(argc, argv);
}

// The engine: the sign, the reading and the highlight for all twelve signs.
void engineWork()
{
    static const std::array<std::pair<std::int16_t, std::int16_t>, 12> birthdays{{{0, 4},
                                                                                  {1, 4},
                                                                                  {2, 4},
                                                                                  {3, 4},
                                                                                  {4, 4},
                                                                                  {5, 4},
                                                                                  {6, 4},
                                                                                  {7, 4},
                                                                                  {8, 4},
                                                                                  {9, 4},
                                                                                  {10, 4},
                                                                                  {11, 4}}};
    for (const auto& [month, day] : birthdays)
        if (const SignResult sign = DetermineSign(month, day)) {
            const Reading reading = BuildReading(*sign, TheKnowledgeTexts());
            const TreeHighlight highlight = HighlightFor(*sign);
            Q_UNUSED(reading);
            Q_UNUSED(highlight);
        }
}

int runEngineChild()
{
    LoadKnowledgeTexts();
    engineWork();
    CALLGRIND_ZERO_STATS;
    engineWork();
    CALLGRIND_DUMP_STATS_AT("engine");
    return 0;
}

// ---------------------------------------------------------------------------------------------
// In the parent: running the children and printing the table.

struct Options {
    int runs = 15;
    int cycles = 200;
    bool callgrind = false;
    bool check = false;
};

QString self;
QString plainProgram;
QString screenConfig;

// Runs one child and adds the figures it reports; under callgrind, the instruction counts
// of its named dumps.
void runChild(Figures& figures, const QString& kind, const QString& label, int cycles,
              bool callgrind)
{
    // Fresh settings and runtime folders (no reminder, no lock of a user) under a path of one
    // length, and English: both move the instruction counts.
    QTemporaryDir home(QStringLiteral("/tmp/orvella-bench-XXXXXX"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.remove(QStringLiteral("LANGUAGE"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"),
               QStringLiteral("offscreen:configfile=") + screenConfig);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    // The plain program is an executable of its own that links only Qt: timed as the program is.
    const bool plain = kind == QLatin1StringView("plain");
    QStringList arguments{QStringLiteral("--spawned-at")};
    if (!plain)
        arguments = QStringList{QStringLiteral("--child"), kind, QStringLiteral("--cycles"),
                                QString::number(cycles)} +
                    arguments;
    QString program = plain ? plainProgram : self;
    if (callgrind) {
        arguments.prepend(program);
        arguments = QStringList{QStringLiteral("--tool=callgrind"), QStringLiteral("--quiet"),
                                QStringLiteral("--callgrind-out-file=") +
                                    home.filePath(QStringLiteral("cg.out"))} +
                    arguments;
        program = QStringLiteral("valgrind");
    }
    arguments << QString::number(nowNs());
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        std::fprintf(stderr, "the %s run failed:\n%s\n", qPrintable(kind),
                     process.readAllStandardError().constData());
        std::exit(1);
    }
    const QString prefix = label + u'.';
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 2 && !callgrind)
            figures[prefix + QString::fromLatin1(parts[0])].append(parts[1].toDouble());
    }
    if (!callgrind)
        return;
    // Each dump names its trigger, "Client Request: <name>", and its total of instructions.
    const QDir dir(home.path());
    for (const QString& file : dir.entryList({QStringLiteral("cg.out*")}, QDir::Files)) {
        QFile dump(dir.filePath(file));
        if (!dump.open(QIODevice::ReadOnly))
            continue;
        QString name;
        double total = -1;
        while (!dump.atEnd()) {
            const QByteArray line = dump.readLine().trimmed();
            if (line.startsWith("desc: Trigger: Client Request: "))
                name = QString::fromLatin1(line.mid(31));
            else if (line.startsWith("totals: ") || line.startsWith("summary: "))
                total = line.mid(line.indexOf(' ') + 1).split(' ').first().toDouble();
        }
        if (!name.isEmpty() && total >= 0)
            figures[prefix + name].append(total / 1e6);
    }
}

struct Summary {
    double median = 0, low = 0, high = 0;
    int count = 0;
};

// The median and the middle half of the values.
Summary summarise(QList<double> values)
{
    if (values.isEmpty())
        return {};
    std::sort(values.begin(), values.end());
    const auto at = [&](double q) {
        return values[static_cast<qsizetype>(q * static_cast<double>(values.size() - 1) + 0.5)];
    };
    return {at(0.5), at(0.25), at(0.75), static_cast<int>(values.size())};
}

void row(const char* what, const Summary& s, const char* unit, const Summary& plain = {})
{
    if (s.count == 0)
        return;
    std::printf("| %-34s | %9.2f %-3s | %9.2f – %-9.2f | %4d |", what, s.median, unit, s.low,
                s.high, s.count);
    if (plain.count > 0)
        std::printf(" %9.2f %-3s | %5.2f× |\n", plain.median, unit, s.median / plain.median);
    else
        std::printf(" %13s | %6s |\n", "", "");
}

void header()
{
    std::printf("| %-34s | %13s | %21s | %4s | %13s | %6s |\n", "what", "median", "middle half",
                "runs", "plain program", "ratio");
    std::printf("|%s|%s:|%s|%s:|%s:|%s:|\n", QByteArray(36, '-').constData(),
                QByteArray(14, '-').constData(), QByteArray(23, '-').constData(),
                QByteArray(5, '-').constData(), QByteArray(14, '-').constData(),
                QByteArray(7, '-').constData());
}

// The waits a user feels; the later ones come from the run labelled `laterRun`.
void waitRows(const Figures& f, const QString& laterRun, const char* unit)
{
    const auto s = [&f](const QString& key) { return summarise(f.value(key)); };
    row("start-up to first paint", s(QStringLiteral("program.startup")), unit,
        s(QStringLiteral("plain.startup")));
    row("first Proceed to painted reading", s(QStringLiteral("program.proceed_first")), unit);
    row("later Proceed to painted reading", s(laterRun + QStringLiteral(".proceed_later")), unit);
    row("first report window painted", s(QStringLiteral("program.report_first")), unit);
    row("later report window painted", s(laterRun + QStringLiteral(".report_later")), unit);
}

// The speed gate: each scenario's instruction count against its limit in bench/limits.tsv
// (scenario, limit, the figure measured when the limit was set, why). A count more than 3 %
// over its limit fails.
int checkLimits(const Figures& f)
{
    const auto median = [&f](const char* key) {
        return summarise(f.value(QLatin1StringView(key))).median;
    };
    const QMap<QString, double> measured{
        {QStringLiteral("startup_ratio"), median("program.startup") / median("plain.startup")},
        {QStringLiteral("startup"), median("program.startup")},
        {QStringLiteral("proceed_first"), median("program.proceed_first")},
        {QStringLiteral("proceed_later"), median("program.proceed_later")},
        {QStringLiteral("report_first"), median("program.report_first")},
        {QStringLiteral("report_later"), median("program.report_later")},
        {QStringLiteral("engine"), median("engine.engine")},
    };
    QFile table(QStringLiteral(ORVELLA_BENCH_LIMITS));
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", ORVELLA_BENCH_LIMITS);
        return 1;
    }
    int passed = 0;
    int failed = 0;
    std::printf("\nSpeed gate (limits in bench/limits.tsv, 3 %% allowed over a limit)\n\n");
    while (!table.atEnd()) {
        const QString line = QString::fromUtf8(table.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        const double limit = fields.value(1).toDouble();
        if (fields.size() < 2 || !measured.contains(fields[0]) || limit <= 0) {
            std::fprintf(stderr, "a line of the limits that names no scenario: %s\n",
                         qPrintable(line));
            return 1;
        }
        const double figure = measured.value(fields[0]);
        const bool within = figure <= limit * 1.03;
        std::printf("%-4s %-14s %9.2f against a limit of %9.2f (%+.1f %%)\n",
                    within ? "ok" : "FAIL", qPrintable(fields[0]), figure, limit,
                    (figure / limit - 1) * 100);
        ++(within ? passed : failed);
    }
    std::printf("speed gate: %d passed, %d failed\n", passed, failed);
    return failed > 0 ? 1 : 0;
}

int runParent(const Options& options)
{
    Figures f;
    const auto s = [&f](const char* key) { return summarise(f.value(QLatin1StringView(key))); };

    if (options.callgrind) {
        // Fontconfig's cache is written by the first program that needs it: not in a count.
        Figures warmUp;
        runChild(warmUp, QStringLiteral("program"), QStringLiteral("program"), 1, false);
        const int cycles = 4;
        runChild(f, QStringLiteral("program"), QStringLiteral("program"), cycles, true);
        runChild(f, QStringLiteral("plain"), QStringLiteral("plain"), 1, true);
        runChild(f, QStringLiteral("engine"), QStringLiteral("engine"), 1, true);
        std::printf("Instructions (millions), callgrind, offscreen 1920×1080; later figures over "
                    "%d cycles\n\n",
                    cycles - 1);
        header();
        waitRows(f, QStringLiteral("program"), "M");
        row("engine, twelve signs", s("engine.engine"), "M");
        return options.check ? checkLimits(f) : 0;
    }

    for (int run = 0; run < options.runs; ++run) {
        runChild(f, QStringLiteral("program"), QStringLiteral("program"), 1, false);
        runChild(f, QStringLiteral("plain"), QStringLiteral("plain"), 1, false);
    }
    runChild(f, QStringLiteral("program"), QStringLiteral("session"), options.cycles, false);

    LoadKnowledgeTexts();
    QList<double> engine;
    for (int sample = 0; sample < 200; ++sample) {
        constexpr int Iterations = 50;
        const qint64 start = nowNs();
        for (int i = 0; i < Iterations; ++i)
            engineWork();
        engine.append(static_cast<double>(nowNs() - start) / 1e3 / Iterations);
    }

    const QByteArray last = QByteArray::number(options.cycles);
    std::printf("Wall time and memory, offscreen 1920×1080; %d fresh runs of each program, "
                "%d cycles of a session\n\n",
                options.runs, options.cycles);
    header();
    waitRows(f, QStringLiteral("session"), "ms");
    row("engine, twelve signs", summarise(engine), "µs");
    row("memory after start-up", s("program.rss_mb_startup"), "MB", s("plain.rss_mb_startup"));
    row("memory after one reading", s("program.rss_mb_reading"), "MB");
    row("memory after one report", s("program.rss_mb_report"), "MB");
    QList<QByteArray> cycles{"1", "20", last};
    cycles.erase(std::unique(cycles.begin(), cycles.end()), cycles.end());
    for (const QByteArray& cycle : cycles) {
        const QByteArray label = "after " + cycle + " cycle" + (cycle == "1" ? "" : "s");
        const auto one = [&](const char* what) {
            return summarise(f.value(QStringLiteral("session.%1_%2")
                                         .arg(QLatin1StringView(what), QLatin1StringView(cycle))));
        };
        row(("widgets " + label).constData(), one("widgets"), "");
        row(("pixmap cache " + label).constData(), one("pixmapcache_kb"), "KB");
        row(("memory " + label).constData(), one("rss_mb"), "MB");
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    Options options;
    QString childKind;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        const bool hasValue = i + 1 < argc;
        if (arg == "--callgrind")
            options.callgrind = true;
        else if (arg == "--check")
            options.check = true;
        else if (arg == "--runs" && hasValue)
            options.runs = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--cycles" && hasValue)
            options.cycles = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--child" && hasValue)
            childKind = QString::fromLatin1(argv[++i]);
        else if (arg == "--spawned-at" && hasValue)
            spawnedAt = std::atoll(argv[++i]);
        else {
            std::fprintf(stderr,
                         "usage: orvella_bench [--runs N] [--cycles N] [--callgrind [--check]]\n");
            return 1;
        }
    }
    if (childKind == QLatin1StringView("program")) {
        cycleCount = options.cycles;
        return runProgramChild();
    }
    if (childKind == QLatin1StringView("engine"))
        return runEngineChild();

    QCoreApplication app(argc, argv);
    self = QCoreApplication::applicationFilePath();
    plainProgram = QCoreApplication::applicationDirPath() + QStringLiteral("/orvella_plain");
    screenConfig = QStringLiteral(ORVELLA_BENCH_SCREEN);
    return runParent(options);
}
