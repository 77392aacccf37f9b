#pragma once

#include "Reading.h"
#include "TreeHighlight.h"

#include <QHash>
#include <QSet>
#include <QWidget>

class QPlainTextEdit;
class QTabWidget;

namespace orvella {

class ReadingTabs;
class TextField;
class TreeOfLifeDrawing;

// The reading view: the Tree of Life drawing on the left, the reading on three tabs on the
// right. It only shows; the user switches tabs, scrolls and points at the spheres, whose
// names and descriptions then appear on the third tab.
class frmDisplay : public QWidget {
    Q_OBJECT

public:
    // Builds the view as it is before a reading fills it: placeholder texts, the Virgo
    // personality text, the initial pictures, no card caption on the drawing, tab 0.
    explicit frmDisplay(QWidget* parent = nullptr);

    // Sets each of the reading's fields on the element of the same name, and the sign's period
    // as the tooltip of the sign's name. Nothing else changes.
    void ShowReading(const Reading& reading);
    // Shows the sign's card caption, then fills the first circle, colours the path and fills
    // the second circle. It never hides a caption or restores a colour.
    void ApplyHighlight(const TreeHighlight& highlight);

    QTabWidget* tabs() const;
    // The last element Tab visits in the view: the drawing. The frame's buttons follow it.
    QWidget* lastInKeyboardOrder() const;
    // The text the label or text box of that name shows now; empty for any other name.
    QString fieldText(const QString& fieldName) const;

    // Pointer movement over the caption of sphere i (0…10): its description, then its name,
    // appear on the third tab. Any other index changes nothing.
    void lblClick_MouseMove(int index);
    // Pointer movement over a clearing surface: the name is emptied first, then the
    // description.
    void clearSphereHover();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The hover for a movement over the widget under the pointer: a sphere caption names its
    // sphere, a clearing surface clears, anything else leaves the texts as they are.
    void pointerMovedOver(const QWidget* widget);
    void buildTreeOfLife();
    void buildTabs();
    void watchClearingSurfaces();
    void buildKeyboardOrder();
    QWidget* field(const QString& name) const;
    void setFieldText(const char* fieldName, const QString& text);
    static void followEmptiness(QPlainTextEdit* box);

    TreeOfLifeDrawing* m_drawing = nullptr;
    ReadingTabs* m_tabs = nullptr;
    TextField* m_sphereName = nullptr;
    TextField* m_sphereDesc = nullptr;
    QSet<const QWidget*> m_clearingSurfaces;
    // Every field of the three tabs by its name, for filling and reading them.
    QHash<QString, QWidget*> m_fields;
};

} // namespace orvella
