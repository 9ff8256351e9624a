#pragma once

namespace controls {

// Registers the accessible interfaces of the widget pack (names, roles, default actions and
// the items of the dock, the rotary menu and the list box) with Qt's accessibility framework.
// Call it once at start-up, before any window is shown; calling it again does nothing. Every
// control also calls it from its constructor, so a control is never described by the generic
// widget interface, even in a program that forgot the call.
void installAccessibility();

}  // namespace controls
