#pragma once

namespace vazolar {

class Windows;

// Registers the windows of the way in: the splash, the section chooser and the credits window.
void registerShellWindows(Windows& windows);

} // namespace vazolar
