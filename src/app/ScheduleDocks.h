#pragma once

#include <QObject>

#include <string>

#include "view/DocumentView.h"

class QDockWidget;
class QPrinter;

namespace zofar {

class BandChartWidget;
class CMainFrame;
class ComingUpWidget;
class CZOFDoc;

/// The band chart and the coming-up list, docked beside the list: views of the document that
/// read the current selection through a side query whenever it changes (never per paint), show
/// the current record, and make the record clicked in them the current one. Shown or hidden from
/// the View menu; whether each is shown is kept in the settings file.
class ScheduleDocks : public QObject, public DocumentView {
    Q_OBJECT
public:
    /// `doc` and `frame` must outlive the docks; the frame owns the dock widgets.
    ScheduleDocks(CZOFDoc& doc, CMainFrame& frame, std::string settingsFile);
    ~ScheduleDocks() override;
    ScheduleDocks(const ScheduleDocks&) = delete;
    ScheduleDocks& operator=(const ScheduleDocks&) = delete;

    void OnDocumentNotice(DocumentNotice notice) override;

    QDockWidget* ChartDock() const { return chartDock_; }
    QDockWidget* ComingUpDock() const { return comingDock_; }
    BandChartWidget& Chart() const { return *chart_; }
    /// Writes the chart as it is shown into `path` (PNG, SVG or PDF by its extension); the
    /// message that says why not, empty when written.
    std::string SaveChart(const std::string& path) const;
    /// Paints the chart as it is shown onto one page of `printer`.
    bool PrintChart(QPrinter& printer) const;
    ComingUpWidget& ComingUp() const { return *coming_; }

private:
    bool Shown() const;
    void Reload();
    void ShowCurrent();
    void Choose(int recordId);
    void KeepVisibility();
    void AskSaveChart();
    void AskPrintChart();

    CZOFDoc& doc_;
    std::string settingsFile_;
    QDockWidget* chartDock_;
    QDockWidget* comingDock_;
    BandChartWidget* chart_;
    ComingUpWidget* coming_;
    bool restoring_ = true;
};

}  // namespace zofar
