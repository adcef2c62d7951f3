// Upd::Setup: the setup form. Edits SETUP record 1 (the company, the tax system and rates, the
// printing choices) on three tabs; the settings globals follow the form while it is open, are
// reloaded when it saves and put back as they were when it is cancelled.
#pragma once

#include "app/setup/settingssnapshot.h"
#include "framework/formprocedure.h"

#include <functional>
#include <optional>

namespace Upd {

class Setup : public fw::FormProcedure
{
public:
    enum Item { LogoButton = 1 };

    Setup();

    int Init() override;
    int Kill() override;
    void PrimeFields() override;
    int TakeAccepted(QWidget *control) override;
    int TakeCompleted() override;

    // Asks for the logo picture; returns its path, or nothing when the user gave up. Replaceable
    // so that tests can answer in place of the file dialog.
    std::function<QString(QWidget *parent)> chooseLogoFile;

protected:
    fw::FormDeclaration Declare() override;
    int Built() override;

private:
    // What the form does on every event: keeps dependent choices, labels, pictures and the
    // globals in step with the values on the form.
    void followForm();
    void followSettings();
    void relabel();
    void applyPictures();
    void pickLogo();

    std::optional<app::SettingsSnapshot> before_;
};

} // namespace Upd
