// Makes screen readers see the widgets the program paints itself as what they are.
#pragma once

namespace AccessibleFactory {
// Installs the factory of the accessible interfaces of the main window, its info bar, picture
// boxes (buttons or pictures), the deck buttons, the menu captions and the card outlines;
// installing it again changes nothing.
void install();
} // namespace AccessibleFactory
