// SPDX-License-Identifier: MIT
#pragma once

// In-memory stand-ins for the runtime's outside world.

#include "quiz/quizsteps.h"
#include "shell/program.h"

#include <QStringList>

#include <memory>

namespace poniruka::test {

/// Records every message, as "title: prompt", instead of opening a modal box.
struct FakeMessageBox : MessageBoxService
{
    void show(const QString &title, const QString &prompt) override { shown << title + ": " + prompt; }
    QStringList shown;
};

/// Hands out scripted numbers, then zeros; counts the reseeds.
struct ScriptedRandom : RandomSource
{
    void reseed() override { ++reseeds; }
    float next() override { return script.isEmpty() ? 0.0f : script.takeFirst(); }
    /// The r for which Int(r * n + 1) is value.
    static float drawing(int value, int n) { return (float(value) - 0.5f) / float(n); }
    /// Scripts the next problem's four draws: ji1, hun1, ji2, hun2.
    void problem(const QList<int> &drawn)
    {
        for (int i = 0; i < 4; ++i)
            script.push_back(drawing(drawn[i], i % 2 ? minuteValues : hourValues));
    }

    QList<float> script;
    int reseeds = 0;
};

/// A machine with no files, where no program starts.
struct NoPrograms : FileLookup, ProgramStarter
{
    bool isFile(const std::string &) override { return false; }
    void start(const std::string &, int) override { throw RuntimeError::of(RuntimeError::FileNotFound); }
};

/// The program with every outside service faked.
struct FakeWorld
{
    std::shared_ptr<FakeMessageBox> messages = std::make_shared<FakeMessageBox>();
    std::shared_ptr<ScriptedRandom> random = std::make_shared<ScriptedRandom>();
    std::shared_ptr<NoPrograms> outside = std::make_shared<NoPrograms>();

    QtRuntime::Services services() const { return {messages, random, outside, outside}; }
};

} // namespace poniruka::test
