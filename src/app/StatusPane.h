#pragma once

#include <QLabel>
#include <QString>

namespace zofar {

/// A status bar pane whose text is cut with a mark when the pane is narrower than the text,
/// so that a cut is always seen; the whole text stays available for the pane's tip.
class StatusPane : public QLabel {
    Q_OBJECT
public:
    explicit StatusPane(QWidget* parent = nullptr);

    /// Shows `text`, cut to the pane's present width.
    void SetFullText(const QString& text);
    const QString& FullText() const { return fullText_; }

    /// As wide as the whole text.
    QSize sizeHint() const override;
    /// As narrow as the mark alone: the layout may squeeze the pane that far.
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowCut();

    QString fullText_;
};

}  // namespace zofar
