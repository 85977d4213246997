// SPDX-License-Identifier: MIT
#pragma once

#include "shell/runtime.h"

#include <QObject>

#include <memory>
#include <vector>

namespace poniruka {

/// The runtime on Qt Widgets.
class QtRuntime : public QObject, public Runtime
{
    Q_OBJECT
public:
    /// The outside world. Each one left empty gets the real thing.
    struct Services
    {
        std::shared_ptr<MessageBoxService> messageBox;
        std::shared_ptr<RandomSource> random;
        std::shared_ptr<FileLookup> files;
        std::shared_ptr<ProgramStarter> programs;
    };

    explicit QtRuntime(Services services = {}, AppInfo app = defaultApp());
    ~QtRuntime() override;

    static AppInfo defaultApp();

    void Show(Form &form) override;
    void Unload(Form &form) override;
    void End() override;
    void MsgBox(const QString &prompt) override;
    void Randomize() override;
    float Rnd() override;
    const AppInfo &App() const override { return m_app; }
    std::string Dir(const std::string &path) override;
    void Shell(const std::string &command, int windowStyle) override;
    void run(const std::function<void()> &handler) override;

    bool hasEnded() const { return m_ended; }
    /// The screens loaded now, in the order they were loaded.
    const std::vector<Form *> &loaded() const { return m_loaded; }

Q_SIGNALS:
    /// The program is over: End, an untrapped error, or no screen left.
    void ended(int status);

private:
    void load(Form &form);
    void destroyWindow(Form &form);
    void finish(int status);

    Services m_services;
    AppInfo m_app;
    std::vector<Form *> m_loaded;
    int m_depth = 0;
    bool m_ended = false;
};

} // namespace poniruka
