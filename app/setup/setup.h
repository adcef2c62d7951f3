// Upd::Setup: the setup form. Edits SETUP record 1 (the company, the tax system and rates, the
// printing choices) on three tabs; the settings globals follow the form while it is open, are
// reloaded when it saves and put back as they were when it is cancelled.
#pragma once

#include "app/setup/settingssnapshot.h"
#include "framework/windowmanager.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLineEdit;

namespace app {
struct SetupWidgets;
// Posted to the frame once the setup is saved: the frame enables its blank-form print items by
// GLO.PRINTCHOICE.
inline constexpr int SetupSavedNotification = 1027;
} // namespace app

namespace Upd {

class Setup : public fw::WindowManager
{
public:
    Setup();
    ~Setup() override;

    int Init() override;
    int Kill() override;
    void PrimeFields() override;
    int TakeAccepted(QWidget *control) override;
    int TakeCompleted() override;

    // Asks for the logo picture; returns its path, or nothing when the user gave up. Replaceable
    // so that tests can answer in place of the file dialog.
    std::function<QString(QWidget *parent)> chooseLogoFile;

    const app::SetupWidgets &widgets() const { return *w_; }

private:
    // A rate entry with the values its field may take.
    struct Limit {
        QLineEdit *entry;
        const char *field; // a REAL field of SETUP
        double high;       // the largest value its picture can show
    };

    void bindFields();
    // What the form does on every event: keeps dependent choices, labels, pictures and the
    // globals in step with the values on the form.
    void followForm();
    void followSettings();
    void relabel();
    void applyPictures();
    void pickLogo();
    const Limit *limitOf(QWidget *control) const;
    static double valueOf(const Limit &limit);
    static void setValue(const Limit &limit, double value);
    bool inRange(const Limit &limit) const;
    void reportOutOfRange(const Limit &limit);
    bool everyRateInRange();

    std::unique_ptr<app::SetupWidgets> w_;
    std::vector<Limit> limits_;
    std::optional<app::SettingsSnapshot> before_;
    bool setupOpen_ = false;
};

} // namespace Upd
