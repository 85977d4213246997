// SPDX-License-Identifier: MIT
#include "shell/qtruntime.h"

#include "appinfo.h"
#include "shell/form.h"
#include "shell/formbuilder.h"
#include "shell/formwidgets.h"
#include "shell/platform.h"
#include "shell/random.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace poniruka {

namespace {

class QtMessageBox : public MessageBoxService
{
public:
    void show(const QString &title, const QString &prompt) override
    {
        QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok);
        box.exec();
    }
};

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

} // namespace

QtRuntime::QtRuntime(Services services, AppInfo app) : m_services(std::move(services)), m_app(std::move(app))
{
    if (!m_services.messageBox)
        m_services.messageBox = std::make_shared<QtMessageBox>();
    if (!m_services.random)
        m_services.random = std::make_shared<ClockRandom>();
    if (!m_services.files)
        m_services.files = platform::files();
    if (!m_services.programs)
        m_services.programs = platform::programs();
}

QtRuntime::~QtRuntime() = default;

AppInfo QtRuntime::defaultApp()
{
    return {QString::fromUtf8(appinfo::title), appinfo::major, appinfo::minor, appinfo::revision};
}

void QtRuntime::load(Form &form)
{
    FormWindow *window = buildWindow(form.layout());
    form.m_window = window;
    form.m_connections = new QObject;
    QObject::connect(
        window, &FormWindow::closeRequested, form.m_connections, [this, &form] { run([&] { Unload(form); }); });
    m_loaded.push_back(&form);
    centreOnScreen(window);
    form.wire();
    form.Form_Load();
}

void QtRuntime::Show(Form &form)
{
    if (m_ended)
        return;
    if (!form.isLoaded())
        load(form);
    if (QWidget *window = form.window()) {
        window->show();
        // Bring it to the front and give it the keyboard, also where no window
        // manager would activate a new window.
        window->raise();
        window->activateWindow();
    }
}

void QtRuntime::destroyWindow(Form &form)
{
    m_loaded.erase(std::remove(m_loaded.begin(), m_loaded.end(), &form), m_loaded.end());
    // Cut every connection now: no tick or click reaches an unloaded screen.
    delete form.m_connections;
    form.m_connections = nullptr;
    QWidget *window = form.m_window;
    form.m_window = nullptr;
    for (QTimer *timer : window->findChildren<QTimer *>())
        timer->stop();
    window->hide();
    // The window may be in the middle of delivering the event that unloads it.
    window->deleteLater();
}

void QtRuntime::Unload(Form &form)
{
    if (form.isLoaded())
        destroyWindow(form);
}

void QtRuntime::End()
{
    while (!m_loaded.empty())
        destroyWindow(*m_loaded.back());
    finish(0);
}

void QtRuntime::finish(int status)
{
    if (m_ended)
        return;
    m_ended = true;
    Q_EMIT ended(status);
}

void QtRuntime::MsgBox(const QString &prompt)
{
    m_services.messageBox->show(m_app.Title, prompt);
}

void QtRuntime::Randomize()
{
    m_services.random->reseed();
}

float QtRuntime::Rnd()
{
    return m_services.random->next();
}

std::string QtRuntime::Dir(const std::string &path)
{
    if (!m_services.files->isFile(path))
        return {};
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void QtRuntime::Shell(const std::string &command, int windowStyle)
{
    m_services.programs->start(command, windowStyle);
}

void QtRuntime::run(const std::function<void()> &handler)
{
    if (m_ended)
        return;
    ++m_depth;
    try {
        handler();
    } catch (const std::exception &error) {
        // An error no handler traps: say so, then end the program.
        if (!m_ended) {
            m_services.messageBox->show(m_app.Title, QString::fromUtf8(error.what()));
            while (!m_loaded.empty())
                destroyWindow(*m_loaded.back());
            finish(1);
        }
    }
    --m_depth;
    if (m_depth == 0 && m_loaded.empty())
        finish(0);
}

} // namespace poniruka
