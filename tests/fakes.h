// SPDX-License-Identifier: MIT
#pragma once

// In-memory stand-ins for the runtime's outside world.

#include "shell/program.h"

#include <QStringList>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace poniruka::test {

/// Records every message instead of opening a modal box.
class FakeMessageBox : public MessageBoxService
{
public:
    struct Shown
    {
        QString title;
        QString prompt;
    };
    void show(const QString &title, const QString &prompt) override
    {
        shown.push_back({title, prompt});
        if (onShow)
            onShow();
    }
    std::vector<Shown> shown;
    std::function<void()> onShow; // runs while the "box" is open
};

/// Hands out scripted numbers, then zeros; counts the reseeds.
class ScriptedRandom : public RandomSource
{
public:
    void reseed() override
    {
        ++reseeds;
        if (onCall)
            onCall("Randomize");
    }
    float next() override
    {
        if (onCall)
            onCall("Rnd");
        if (script.empty())
            return 0.0f;
        const float r = script.front();
        script.pop_front();
        return r;
    }
    /// The r for which Int(r * n + 1) is value.
    static float drawing(int value, int n) { return (float(value) - 0.5f) / float(n); }

    std::deque<float> script;
    int reseeds = 0;
    std::function<void(const char *)> onCall; // told of each call, "Randomize" or "Rnd"
};

class FakeFiles : public FileLookup
{
public:
    bool isFile(const std::string &path) override
    {
        asked.push_back(path);
        return std::find(files.begin(), files.end(), path) != files.end();
    }
    std::vector<std::string> files;
    std::vector<std::string> asked;
};

class FakePrograms : public ProgramStarter
{
public:
    void start(const std::string &command, int windowStyle) override
    {
        started.push_back(command);
        styles.push_back(windowStyle);
        if (fail)
            throw RuntimeError::of(RuntimeError::FileNotFound);
    }
    std::vector<std::string> started;
    std::vector<int> styles;
    bool fail = false;
};

/// The program with every outside service faked.
struct FakeWorld
{
    std::shared_ptr<FakeMessageBox> messages = std::make_shared<FakeMessageBox>();
    std::shared_ptr<ScriptedRandom> random = std::make_shared<ScriptedRandom>();
    std::shared_ptr<FakeFiles> files = std::make_shared<FakeFiles>();
    std::shared_ptr<FakePrograms> programs = std::make_shared<FakePrograms>();

    QtRuntime::Services services() const { return {messages, random, files, programs}; }
};

} // namespace poniruka::test
