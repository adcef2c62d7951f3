// AMain: the program's main frame. Carries the menu bar, the toolbar (the procedures on its left,
// the record-navigation buttons that act on the active window on its right) and the status bar
// with the date and time; every started procedure opens in its window area. Other procedures
// talk to it only through posted notifications (the browses' 1024, 1025, 1026, 4095 and the
// setup form's 1027).
#pragma once

#include "app/shell/framemenus.h"
#include "framework/picture.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <utility>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QTimer;

namespace fw {
class WindowManager;
}

namespace app {

class AMain : public QMainWindow
{
    Q_OBJECT
public:
    AMain();
    ~AMain() override;

    // Opens the files it keeps open, writes or reads the setup, builds the window. False when the
    // data folder cannot be used (the user has been told).
    bool Init();
    void Kill();

    // The clock the status bar shows; tests set their own.
    std::function<std::pair<fw::DayNumber, fw::ClockTime>()> clock;

    QMdiArea *area() const { return area_; }
    QAction *action(MenuItem item) const;
    QAction *actionOf(const QString &text) const; // the first item with that text, "&" included
    // The Alt-key letters of the menu bar (upper case).
    QString menuLetters() const;
    const std::vector<QAction *> &navigationActions() const { return navigation_; }
    QString dateZone() const;
    QString timeZone() const;
    fw::WindowManager *splash() const;
    // Runs a menu entry's action (what a click on it does).
    void trigger(const MenuEntry &entry);
    // Refreshes the date and time zones (the frame's timer calls it every second).
    void tick();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    void restorePlacement();
    void keepPlacement() const;
    QMenu *menuAt(const QString &path);
    void takeNotification(int number);
    void updatePrintBlank();
    void relabel();
    void updateNavigation();
    void forwardNavigation(int code);
    void closeSplash();
    void printBlank(const MenuEntry &entry);
    void convertDataFiles();
    void printerSetup();

    QMdiArea *area_ = nullptr;
    QLabel *date_ = nullptr;
    QLabel *time_ = nullptr;
    QTimer *timer_ = nullptr;
    std::map<QString, QMenu *> menus_;
    std::multimap<MenuItem, QAction *> items_;
    std::vector<std::pair<const MenuEntry *, QAction *>> actions_;
    std::vector<QAction *> navigation_;
    QPointer<QObject> splash_;
    bool filesOpened_ = false;
    bool shown_ = false;
};

// The weekday names, nine characters each, Sunday first.
inline constexpr const char *WeekdayNames = "Sunday   Monday   Tuesday  WednesdayThursday Friday   Saturday ";
// "Tuesday, December 8, 2026": the status bar's date.
QString statusDate(fw::DayNumber day);

} // namespace app
