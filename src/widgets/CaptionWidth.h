#pragma once

class QWidget;

namespace zofar {

/// The width a window needs for its whole title in the title bar: the title in a bold version
/// of the window's font (window managers draw captions bold and larger than the dialog's text)
/// with room for the window icon and the close, minimise and maximise buttons.
int CaptionWidth(const QWidget& window);

/// Makes `window` at least CaptionWidth wide, so its title is never cut.
void KeepCaptionWhole(QWidget& window);

}  // namespace zofar
