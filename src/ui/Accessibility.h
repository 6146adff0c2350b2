#pragma once

#include "ui/AccessibleKey.h"

class QWidget;

// What screen readers get beyond Qt's own: translated names and descriptions, pictures kept
// out of their way, and messages spoken as they appear.
class Accessibility {
public:
    // Lets hideDecoration() and announce() take effect. Call once the application object
    // exists (Qt's own interfaces are installed with it and would otherwise win).
    static void install();

    // The name a screen reader speaks for the widget, and what it adds after the role.
    static void setName(QWidget* widget, AccessibleKey name);
    static void setName(QWidget* widget, AccessibleKey name, AccessibleKey description);

    // Leaves a picture that only decorates out of its parent's accessible children. The
    // parent must be a plain QWidget or QFrame (or a class without an interface of its own).
    static void hideDecoration(QWidget* widget);

    // Marks a button as one of a set of which one is in use: screen readers hear it as
    // selectable, and selected while in use. A press still presses it.
    static void setSelected(QWidget* button, bool selected);

    // Reads the widget out as a notification now: its name (a label's text) is spoken.
    static void announce(QWidget* widget);
};
