// SPDX-License-Identifier: MIT
#include "shell/forms.h"

#include "info/frmabout.h"
#include "info/frmsplashtime.h"
#include "info/registry.h"
#include "quiz/frmtime.h"
#include "quiz/frmtime2.h"
#include "shell/frmmein.h"

namespace poniruka {

Forms::Forms(Runtime &runtime, std::shared_ptr<Registry> registry) : m_runtime(runtime), m_registry(std::move(registry))
{
}

Forms::~Forms() = default;

namespace {

template <class F> F &instance(std::unique_ptr<F> &slot, Runtime &runtime, Forms &forms)
{
    if (!slot)
        slot = std::make_unique<F>(runtime, forms);
    return *slot;
}

} // namespace

FrmSplashtime &Forms::frmSplashtime()
{
    return instance(m_frmSplashtime, m_runtime, *this);
}

FrmMein &Forms::frmmein()
{
    return instance(m_frmmein, m_runtime, *this);
}

FrmTime &Forms::frmtime()
{
    return instance(m_frmtime, m_runtime, *this);
}

FrmTime2 &Forms::frmtime2()
{
    return instance(m_frmtime2, m_runtime, *this);
}

FrmAbout &Forms::frmAbout()
{
    return instance(m_frmAbout, m_runtime, *this);
}

Form &Forms::menu()
{
    return frmmein();
}

Form &Forms::aboutBox()
{
    return frmAbout();
}

Registry &Forms::registry()
{
    if (!m_registry)
        m_registry = makeSystemRegistry();
    return *m_registry;
}

} // namespace poniruka
