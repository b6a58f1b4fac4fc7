#include "widgets/CaptionWidth.h"

#include <QFont>
#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

namespace zofar {

namespace {

// The icon and three buttons of a common title bar, each about two text lines wide, and margins.
constexpr double kCaptionFontScale = 1.2;
constexpr int kTitleBarControlLines = 8;

}  // namespace

int CaptionWidth(const QWidget& window) {
    QFont font = window.font();
    font.setBold(true);
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * kCaptionFontScale);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(window.windowTitle()) + kTitleBarControlLines * metrics.height();
}

void KeepCaptionWhole(QWidget& window) {
    window.setMinimumWidth(std::max(window.minimumWidth(), CaptionWidth(window)));
}

}  // namespace zofar
