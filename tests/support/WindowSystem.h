#pragma once

#include <QGuiApplication>
#include <QTest>
#include <QWidget>

namespace orvella::testing {

// Whether the tests run as a Wayland client, where a window neither places itself nor learns
// where the compositor put it.
inline bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1StringView("wayland"));
}

// Until the window is shown and holds the keyboard. Qt's Wayland plugin does not claim window
// activation, so QTest::qWaitForWindowActive waits only for the window to be exposed there,
// while the compositor activates a new window a moment later.
[[nodiscard]] inline bool waitForActive(QWidget* window)
{
    return QTest::qWaitForWindowExposed(window) && QTest::qWaitFor([window] {
               return window->isActiveWindow() &&
                      QGuiApplication::focusWindow() == window->windowHandle();
           });
}

} // namespace orvella::testing
