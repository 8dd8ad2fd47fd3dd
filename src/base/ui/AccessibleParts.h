#pragma once

#include <QAccessible>
#include <QObject>
#include <QRect>
#include <QString>
#include <optional>

class QWidget;

namespace zq {

// What a widget that paints parts of its own (the keys of the on-screen
// keyboard, the fingers of a hand, the keys of the heat map) tells screen
// readers of them. Each part becomes an accessible child of the widget,
// with a name, a description and its place; the part picked out now (the
// lit key, the finger pointed at) is reported as selected.
//
// The widget derives from it beside QWidget, declares it with
// Q_INTERFACES(zq::AccessibleParts), calls EnableAccessibleParts() first in
// its constructor (Qt keeps the first interface it makes for a widget, and
// setting a title or a name makes one), and reports changes with ReportPickedPart and
// ReportPartsChanged. The widget's own name and description are its
// accessibleName and accessibleDescription.
class AccessibleParts {
public:
    virtual ~AccessibleParts() = default;

    virtual int PartCount() const = 0;
    virtual QString PartName(int part) const = 0;
    virtual QString PartDescription(int /*part*/) const { return {}; }
    // Where the part is drawn, in the widget's coordinates.
    virtual QRect PartRect(int part) const = 0;
    virtual bool PartPicked(int /*part*/) const { return false; }
    // What every part is (a key is a button) and what the widget is.
    virtual QAccessible::Role PartRole() const { return QAccessible::ListItem; }
    virtual QAccessible::Role WholeRole() const { return QAccessible::Grouping; }
    // The widget's description, where it follows the picked part ("Next
    // key: f"); empty: its accessibleDescription.
    virtual QString WholeDescription() const { return {}; }
    // The part the keyboard is on while the widget has the focus, for a
    // widget whose parts the arrow keys go through; -1 for none.
    virtual int FocusedPart() const { return -1; }
};

// Where a key takes the keyboard among `count` parts from `current`: the
// arrow keys to the part before or after, Home and End to the first and
// the last; nothing for another key.
std::optional<int> BrowsedPart(int current, int count, int key);

// Makes Qt ask widgets with parts for them (once; cheap to call again).
void EnableAccessibleParts();

// The part picked out moved from `previous` to `current` (-1: none), and
// the widget's description with it. Costs nothing while no screen reader
// listens.
void ReportPickedPart(QWidget& widget, int previous, int current);
// The keyboard moved onto a part of the widget, which has the focus:
// readers announce it as they announce a control that takes the focus.
void ReportFocusedPart(QWidget& widget, int part);
// The parts were made again (another keyboard): their number or names
// changed.
void ReportPartsChanged(QWidget& widget);

}  // namespace zq

Q_DECLARE_INTERFACE(zq::AccessibleParts, "zq.AccessibleParts")
