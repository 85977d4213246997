// SPDX-License-Identifier: MIT
#pragma once

#include "shell/navigation.h"

#include <memory>

namespace poniruka {

class Runtime;
class Registry;
class FrmSplashtime;
class FrmMein;
class FrmTime;
class FrmTime2;
class FrmAbout;

/// The program's five screens, each created on its first use and kept for
/// the whole run, so that a screen's variables outlive its window. The
/// screens reach one another through Navigation, except the menu, which
/// opens the exercises by their own names.
class Forms final : public Navigation
{
public:
    /// The registry is the system's own unless one is given.
    explicit Forms(Runtime &runtime, std::shared_ptr<Registry> registry = {});
    ~Forms();
    Forms(const Forms &) = delete;
    Forms &operator=(const Forms &) = delete;

    FrmSplashtime &frmSplashtime();
    FrmMein &frmmein();
    FrmTime &frmtime();
    FrmTime2 &frmtime2();
    FrmAbout &frmAbout();

    Form &menu() override;
    Form &aboutBox() override;
    Registry &registry() override;

private:
    Runtime &m_runtime;
    std::shared_ptr<Registry> m_registry;
    std::unique_ptr<FrmSplashtime> m_frmSplashtime;
    std::unique_ptr<FrmMein> m_frmmein;
    std::unique_ptr<FrmTime> m_frmtime;
    std::unique_ptr<FrmTime2> m_frmtime2;
    std::unique_ptr<FrmAbout> m_frmAbout;
};

} // namespace poniruka
