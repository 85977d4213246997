// SPDX-License-Identifier: MIT
#pragma once

#include "shell/forms.h"
#include "shell/qtruntime.h"

namespace poniruka {

/// The whole program: the runtime, the five screens, and the start-up screen.
/// Creating it prepares the application: the fonts' stand-ins and Qt's own
/// texts in Japanese.
class Program
{
public:
    explicit Program(QtRuntime::Services services = {}, AppInfo app = QtRuntime::defaultApp(),
        std::shared_ptr<Registry> registry = {});

    /// Shows the start-up screen. No other code of the program runs before it.
    void start();

    QtRuntime &runtime() { return m_runtime; }
    Forms &forms() { return m_forms; }

private:
    QtRuntime m_runtime;
    Forms m_forms;
};

} // namespace poniruka
