#pragma once

#include <QAction>
#include <QLatin1StringView>
#include <QRect>
#include <QWidget>

class QMainWindow;

namespace orvella {

class LinkLabel;

// A menu entry under its name, running the slot when chosen. Menu entries have no shortcut.
template <typename Slot>
QAction* addMenuEntry(QWidget* menu, QObject* owner, const char* name, const QString& caption,
                      Slot slot)
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(QLatin1StringView(name));
    QObject::connect(action, &QAction::triggered, owner, slot);
    menu->addAction(action);
    return action;
}

// The Help menu and the Donate entry, the same in the input window and the main frame; only
// the names of the two separators differ.
void addHelpAndDonateMenus(QMainWindow* window, const char* firstSeparator,
                           const char* secondSeparator);

// The two banners that share one spot of a strip: the co-branding and the fully-branded
// invitation, the fully-branded one in front. The one behind is hidden, not only covered, so
// that neither Tab nor a screen reader finds it.
struct BrandBanners {
    LinkLabel* cobrand;
    LinkLabel* fullBrand;
};
BrandBanners addBrandBanners(QWidget* strip, const QRect& geometry);
void bringToFront(LinkLabel* front, LinkLabel* behind);

} // namespace orvella
