#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "document/CommandTable.h"
#include "document/DocumentSettings.h"
#include "view/DocumentView.h"

class QAction;
class QActionGroup;
class QLabel;
class QToolBar;

namespace zofar {

class CZOFDoc;
class Clock;
class ListPort;
class StatusPane;

/// The main window: menu bar, accelerators, the dockable toolbar, the five-pane status bar
/// with its UTC clock, and the quit sequence. Commands go through ExecuteCommand, which checks
/// the command's enable rule, runs the frame's own commands (Exit, the View toggles, Help,
/// About) and hands every other one to the document.
class CMainFrame : public QMainWindow, public DocumentView {
    Q_OBJECT
public:
    /// `doc` and `clock` must outlive the frame. `manualPath` is the HTML manual Help opens.
    CMainFrame(CZOFDoc& doc, const Clock& clock, std::string manualPath, QWidget* parent = nullptr);
    ~CMainFrame() override;

    /// Window icon, title, the saved placement and bar visibility, the clock; then shows the
    /// window as it was when the user last quit (maximized stays maximized).
    void Activate();

    /// Runs `id` when its enable rule allows it now; false when it was disabled or unknown.
    bool ExecuteCommand(CommandId id);

    /// Recomputes the enable and check states and panes 1 to 3 from the document.
    void RefreshStatus();

    /// Makes `view` the central widget (the frame takes ownership) and `port` the list the
    /// document's view updates and list queries go to. `port` must live as long as `view`.
    void SetListView(QWidget* view, ListPort* port);
    /// The attached list, or null.
    ListPort* ListView() const;

    /// Message pane text, painted at once so it shows during a long operation.
    void ShowStatusMessage(const std::string& text);
    /// The window title for `databaseName` (empty for none).
    void SetMainTitle(const std::string& databaseName);

    /// Makes `id` a command of the program itself, run by `run` (null takes it away again).
    void SetProgramCommand(CommandId id, std::function<void()> run);
    /// Tells whether the rig connection is on, for its toggle's check mark.
    void SetRigConnectionQuery(std::function<bool()> isOn);
    /// Adds a pane to the status bar, left of the clock; the bar owns it.
    void AddStatusPane(QWidget* pane);

    /// Replaces how Help opens the manual (tests use it; the default asks the desktop).
    void SetUrlOpener(std::function<bool(const QUrl&)> opener);

    QAction* Action(CommandId id) const;
    QToolBar* ToolBar() const { return toolBar_; }
    /// The pane with the given indicator id (32788, 32789, 32790, 32798), or null.
    QLabel* Pane(int indicatorId) const;
    /// The message pane, left of the others.
    StatusPane* MessagePane() const { return messagePane_; }
    bool ClockRunning() const { return clockTimer_.isActive(); }

    /// The window's placement in the settings' record form.
    WindowPlacement CurrentPlacement() const;
    /// Moves and sizes the window as `placement` says; the show state is applied by Activate.
    void ApplyPlacement(const WindowPlacement& placement);

public slots:
    /// For the list view's header and row clicks; an id that is no command is ignored.
    void ExecuteCommandById(int id);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    /// The clock's second: the clock pane, then the document's time service.
    void OnClockTick();
    /// Every change of the document may change the commands' states and the status panes.
    void OnDocumentNotice(DocumentNotice notice) override;
    /// Runs one of the frame's own commands; false for every other command.
    bool RunFrameCommand(CommandId id);
    void OpenManual();
    bool RunQuitSequence();
    /// The smallest size at which the menus, the toolbar, a few rows and every pane still fit.
    void UpdateMinimumSize();

    CZOFDoc& doc_;
    const Clock& clock_;
    std::string manualPath_;
    std::function<bool(const QUrl&)> urlOpener_;
    std::map<CommandId, QAction*> actions_;
    std::map<CommandId, std::function<void()>> programCommands_;
    std::function<bool()> rigConnected_;
    QToolBar* toolBar_ = nullptr;
    std::map<int, QLabel*> panes_;
    StatusPane* messagePane_ = nullptr;
    std::vector<QPointer<QWidget>> addedPanes_;
    StatusPane* filterPane_ = nullptr;
    QActionGroup* sortGroup_ = nullptr;
    QTimer clockTimer_;
    QPointer<QWidget> listWidget_;
    ListPort* listPort_ = nullptr;
    bool closed_ = false;
};

}  // namespace zofar
