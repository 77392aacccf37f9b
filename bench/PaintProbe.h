#pragma once

// What the benchmark's children share: the clock, the resident memory, a figure reported on
// the standard output, and the probe that waits for a paint.
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <unistd.h>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS_AT(name)
#define RUNNING_ON_VALGRIND 0
#endif

namespace orvella::bench {

inline qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

inline double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2)
        return 0;
    return fields[1].toDouble() * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// A child reports a figure as one line on its standard output: "<key> <value>".
inline void report(const char* key, double value)
{
    std::printf("%s %.6f\n", key, value);
}

inline double milliseconds(qint64 nanoseconds)
{
    return static_cast<double>(nanoseconds) / 1e6;
}

// ---------------------------------------------------------------------------------------------
// In the children: waiting for a paint.

// Notes the first paint of a chosen widget, and says so once the event loop has gone round
// after it: by then the whole window that paint belongs to is painted and flushed.
class PaintProbe : public QObject {
public:
    using Predicate = std::function<bool(const QWidget*)>;

    // Runs the trigger and returns the nanoseconds from its start to the paint. `whenPainted`
    // runs at that moment (a report window is closed there, inside its own event loop).
    qint64 measure(Predicate target, const std::function<void()>& trigger,
                   const char* callgrindName, const std::function<void()>& whenPainted = {})
    {
        m_target = std::move(target);
        m_painted = false;
        m_whenPainted = whenPainted;
        m_callgrindName = callgrindName;
        CALLGRIND_ZERO_STATS;
        const qint64 start = nowNs();
        trigger();
        if (!m_painted) {
            QEventLoop loop;
            m_loop = &loop;
            QTimer::singleShot(std::chrono::seconds(60), &loop, [] {
                std::fprintf(stderr, "no paint within a minute\n");
                std::_Exit(2);
            });
            loop.exec();
            m_loop = nullptr;
        }
        return m_paintedAt - start;
    }

    // For start-up: the clock started before this process existed.
    void expect(Predicate target, std::function<void()> whenPainted, const char* callgrindName)
    {
        m_target = std::move(target);
        m_painted = false;
        m_whenPainted = std::move(whenPainted);
        m_callgrindName = callgrindName;
    }

    qint64 paintedAt() const { return m_paintedAt; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_target && watched->isWidgetType() &&
            m_target(static_cast<QWidget*>(watched))) {
            m_target = nullptr;
            QTimer::singleShot(0, this, [this] { painted(); });
        }
        return false;
    }

private:
    void painted()
    {
        m_paintedAt = nowNs();
        CALLGRIND_DUMP_STATS_AT(m_callgrindName);
        m_painted = true;
        if (m_whenPainted)
            m_whenPainted();
        if (m_loop)
            m_loop->quit();
    }

    Predicate m_target;
    std::function<void()> m_whenPainted;
    const char* m_callgrindName = "";
    QEventLoop* m_loop = nullptr;
    bool m_painted = false;
    qint64 m_paintedAt = 0;
};

inline bool inWindow(const QWidget* widget, const char* windowName)
{
    return widget->window()->objectName() == QLatin1StringView(windowName);
}

} // namespace orvella::bench
