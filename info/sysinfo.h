// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace poniruka {

class Registry;

/// The about box's system-information button: finds the system information
/// program through the registry and starts it, or says it is unavailable.
///
/// Paths travel as the registry gives them, bytes in the system's 8-bit code
/// page; the message is UTF-8.
class SysInfoLauncher
{
public:
    /// Tells whether an ordinary file exists.
    class Files
    {
    public:
        virtual ~Files() = default;
        /// The file's name when an ordinary file exists at path, else empty.
        virtual std::string Dir(const std::string &path) = 0;
    };

    /// Starts a program as a separate process and does not wait for it.
    class Programs
    {
    public:
        static constexpr int NormalFocus = 1; // a normal window that gets the focus

        virtual ~Programs() = default;
        /// Starts command (program and arguments, never read by a shell). Raises
        /// a RuntimeError when the program cannot be started.
        virtual void Shell(const std::string &command, int windowStyle) = 0;
    };

    /// Shows a modal message box with an OK button, titled with the application title.
    class Messages
    {
    public:
        virtual ~Messages() = default;
        virtual void MsgBox(const std::string &prompt) = 0;
    };

    SysInfoLauncher(Registry &registry, Files &files, Programs &programs, Messages &messages);

    /// Starts the program named at the first registry location, else the
    /// MSINFO32.EXE in the folder named at the second; any failure shows
    /// "現時点ではｼｽﾃﾑ情報を使用できません" instead. Never raises.
    void StartSysInfo();

    /// Reads value SubKeyRef of key KeyName below KeyRoot into KeyVal: a text
    /// value as it is stored (without its one terminating zero byte), a
    /// number as decimal digits; a value of another type leaves KeyVal as it
    /// was. False, with KeyVal emptied, when the key cannot be opened for
    /// reading and writing or the value cannot be read (including a value
    /// longer than 1024 bytes). Raises a RuntimeError for an empty value.
    bool GetKeyValue(
        std::uint32_t KeyRoot, const std::string &KeyName, const std::string &SubKeyRef, std::string &KeyVal);

private:
    Registry &m_registry;
    Files &m_files;
    Programs &m_programs;
    Messages &m_messages;
};

} // namespace poniruka
