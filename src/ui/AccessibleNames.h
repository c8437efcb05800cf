// Accessible names and descriptions for the program's controls, so that a screen reader says
// what each one is. A control is named from what the window shows for it: the label whose
// buddy it is (or that stands before it in its form row), its own text for a button, the title
// of its window or dock for a list, the title of the group box it sits in; the status-bar
// prompt becomes its description. Qt itself describes a control by its tool tip, and a text
// box by its placeholder text.
//
// Names a control's own code gives (setAccessibleName) are kept. A control with no caption near
// it (an edit box without a label, the terminal) gets its name in that code.
#pragma once

class QCoreApplication;

// From now on every control is named as it is shown, in every window and dialog of the
// program, and named again each time it is shown (a dialog whose title changed between runs
// names its list after the new title). Once per application: later calls do nothing.
void NameControlsWhenShown(QCoreApplication& application);
