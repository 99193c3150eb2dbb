#pragma once

class QStyle;

namespace vazolar {

// The style of the forms' group boxes: the application's style (Fusion), except that a group's
// frame is only its outline. Fusion shades the inside of the frame a little darker than the
// group's own colour, so that #C0C0C0 would show as #BEBEBE, and the labels inside, which
// paint #C0C0C0, would stand out as lighter boxes. One instance serves every group box; the
// application owns it.
QStyle* groupFrameStyle();

} // namespace vazolar
