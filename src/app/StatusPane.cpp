#include "app/StatusPane.h"

#include <QResizeEvent>

#include "document/StatusTexts.h"
#include "widgets/QtText.h"

namespace zofar {

StatusPane::StatusPane(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

void StatusPane::SetFullText(const QString& text) {
    if (text == fullText_ && !QLabel::text().isEmpty()) return;
    fullText_ = text;
    ShowCut();
    updateGeometry();
}

QSize StatusPane::sizeHint() const {
    const QSize hint = QLabel::sizeHint();
    const int margins = contentsMargins().left() + contentsMargins().right() + 2 * margin();
    return {fontMetrics().horizontalAdvance(fullText_) + margins, hint.height()};
}

QSize StatusPane::minimumSizeHint() const {
    const int margins = contentsMargins().left() + contentsMargins().right() + 2 * margin();
    return {fontMetrics().horizontalAdvance(Text(kElisionMark)) + margins, QLabel::minimumSizeHint().height()};
}

void StatusPane::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    ShowCut();
}

void StatusPane::ShowCut() {
    const QFontMetrics metrics = fontMetrics();
    const std::string shown =
        ElideToWidth(fullText_.toStdString(), contentsRect().width() - 2 * margin(),
                     [&metrics](std::string_view t) { return metrics.horizontalAdvance(Text(t)); });
    QLabel::setText(QString::fromStdString(shown));
}

}  // namespace zofar
